#pragma once
// The File Viewer (TForm5).
#include "ui/Controls.h"
#include "ui/Form.h"

namespace zarvik {

class Application;

class TForm5 : public ui::Form {
public:
    explicit TForm5(Application& app) : app_(app) {}
    void Create();

private:
    Application& app_;
};

}  // namespace zarvik
