#pragma once

#include "ui/windows/form.h"

namespace ui {
class MultiLineField;
}

namespace app {

// "Mirtavo Help": what each computation asks for, with an example of every value.
class frmHelp : public ui::Form {
public:
    explicit frmHelp(ui::Forms& forms);

    // Places the window right of centre and builds the help text piece by piece.
    void Form_Load() override;

private:
    ui::MultiLineField* txtHelp = nullptr;
};

}  // namespace app
