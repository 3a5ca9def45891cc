#pragma once
// Compare Reports (TForm9): two loaded lists compared line by line.
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/RichEdit.h"

namespace zarvik {

class Application;

class TForm9 : public ui::Form {
public:
    explicit TForm9(Application& app) : app_(app) {}
    void Create();

private:
    Application& app_;
};

}  // namespace zarvik
