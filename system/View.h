#pragma once
// The View Window (TForm7): a plain window that shows a window snapshot.
#include "ui/Form.h"

namespace zarvik {

class Application;

class TForm7 : public ui::Form {
public:
    explicit TForm7(Application& app) : app_(app) {}
    void Create();

private:
    Application& app_;
};

}  // namespace zarvik
