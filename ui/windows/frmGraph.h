#pragma once

#include <string>

#include "ui/windows/form.h"

namespace calc {
struct NumberLocale;
struct ReliabilityTable;
}  // namespace calc

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class DrawingArea;
class MultiLineField;

// "Table and graph reliability as a function of the number of items": the Spearman-Brown
// reliability for every item count of a range, listed in a table and plotted.
class frmGraph : public Form {
public:
    explicit frmGraph(Forms& forms);

    // Placed towards the right edge of the screen, with the empty graph drawn.
    void Form_Load() override;
    void cmd5go_Click();

private:
    void createControls();
    void createGraphLabels();
    void layOut();
    void connectHandlers();
    void addCopyGraph();
    void showTable(const calc::ReliabilityTable& table, const calc::NumberLocale& locale);
    void showRangeNumber(QLabel* label, int leftTwips, const std::string& number);

    QLabel* Label1 = nullptr;
    QLineEdit* txt5r = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txt5low = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txt5upper = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmd5go = nullptr;
    MultiLineField* txt5list = nullptr;
    DrawingArea* pic5graph = nullptr;
    QLabel* lbl5LN = nullptr;
    QLabel* lbl5UN = nullptr;
};

}  // namespace ui
