#pragma once
// Display settings (TForm6): the main window's border and alpha blending.
#include "ui/Controls.h"
#include "ui/Form.h"

namespace zarvik {

class Application;

class TForm6 : public ui::Form {
public:
    explicit TForm6(Application& app) : app_(app) {}
    void Create();

private:
    Application& app_;
};

}  // namespace zarvik
