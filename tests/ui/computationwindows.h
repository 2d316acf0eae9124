#pragma once

// The five computation windows as the tests that drive them all alike see them: the main
// window's option that opens each, its fields, its go button and where its result appears.

#include <QLineEdit>
#include <QString>

#include <vector>

#include "harness.h"
#include "tests/support/ownmessages.h"
#include "ui/controls/multilinefield.h"
#include "ui/windows/frmAlpha.h"
#include "ui/windows/frmGraph.h"
#include "ui/windows/frmItemneed.h"
#include "ui/windows/frmRfromal.h"
#include "ui/windows/frmSbalpha.h"

namespace testing_ui {

struct InputField {
    const char* name;
    const char* example;  // a value the window accepts
};

struct ComputationWindow {
    const char* option;
    check::Window kind;
    ui::Form* (*find)(ui::Forms&);
    int (*count)();
    std::vector<InputField> inputs;
    const char* goButton;
    const char* result;  // the table window's result is its multi-line table field

    bool listsATable() const { return kind == check::Window::Table; }

    QString resultText(QWidget* window) const {
        if (listsATable()) {
            return control<ui::MultiLineField>(window, result)->text();
        }
        return control(window, result)->text();
    }
};

inline const std::vector<ComputationWindow>& computationWindows() {
    using check::Window;
    static const std::vector<ComputationWindow> windows{
        {"Option1",
         Window::Alpha,
         &loadedWindow<ui::frmAlpha>,
         &liveInstances<ui::frmAlpha>,
         {{"txt1k", "6"}, {"txt1sv", "4.5"}, {"txt1siv", "2.4"}},
         "cmd1go",
         "txt1alpha"},
        {"Option2",
         Window::SpearmanBrown,
         &loadedWindow<ui::frmSbalpha>,
         &liveInstances<ui::frmSbalpha>,
         {{"txt2k", "7"}, {"txt2r", ".15"}},
         "cmd2go",
         "txt2alpha"},
        {"Option3",
         Window::InterItem,
         &loadedWindow<ui::frmRfromal>,
         &liveInstances<ui::frmRfromal>,
         {{"txt3k", "6"}, {"txt3alpha", ".65"}},
         "cmd3go",
         "txt3r"},
        {"Option4",
         Window::ItemsNeeded,
         &loadedWindow<ui::frmItemneed>,
         &liveInstances<ui::frmItemneed>,
         {{"txt4r", "-.2"}, {"txt4dr", ".8"}},
         "cmd4go",
         "txt4k"},
        {"Option5",
         Window::Table,
         &loadedWindow<ui::frmGraph>,
         &liveInstances<ui::frmGraph>,
         {{"txt5r", ".3"}, {"txt5low", "1"}, {"txt5upper", "3"}},
         "cmd5go",
         "txt5list"},
    };
    return windows;
}

}  // namespace testing_ui
