#include "shell/dialogs/about_dialog.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "shell/windows/dialog_units.h"
#include "shell/main_window/main_window.h"

#ifndef MORLAN_VERSION
#define MORLAN_VERSION "0.0.0"
#endif

namespace {

constexpr DialogTemplate ABOUT_TEMPLATE{105, "关于", 206, 136};

constexpr char PROGRAM_VERSION[] = "Morlan " MORLAN_VERSION;

struct CreditLine {
    const char* text;  // UTF-8
    int y;
};

constexpr CreditLine CREDIT_LINES[] = {
    {"中国象棋对弈程序", 22},
    {"程序与引擎：Morlan 项目组", 36},
    {"界面使用 Qt 6，压缩使用 zlib", 48},
    {"开局库数据：", 62},
};

}  // namespace

const char* const BOOK_DATA_CREDIT =
    "Chinese Chess Practical Dataset (CCPD), Yu-Han Tseng and Bo-Nian Chen, 2026, CC BY 4.0";

const char* programVersionText() { return PROGRAM_VERSION; }

AboutBox& AboutBox::instance() {
    static AboutBox box;
    return box;
}

AboutBox::AboutBox() : ToolWindow(ABOUT_TEMPLATE, true) {}

void AboutBox::createControls() {
    auto* icon = new QLabel(parentForControls());
    placeControl(icon, IDC_ABOUT_ICON, 10, 10, 22, 22);
    if (MainWindow::exists()) {
        const QIcon programIcon = MainWindow::instance().windowIcon();
        icon->setPixmap(programIcon.pixmap(dialogUnits().toX(22), dialogUnits().toY(22)));
    }
    QLabel* title = addStatic(IDC_ABOUT_TITLE, PROGRAM_VERSION, 40, 10);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->adjustSize();
    for (const CreditLine& line : CREDIT_LINES) addStatic(0, line.text, 40, line.y);
    QLabel* credit = addStatic(0, BOOK_DATA_CREDIT, 40, 73, 158, 36);
    credit->setWordWrap(true);
    credit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addButton(ID_OK, "确定", 84, 115, 38, 14, true);
}

bool AboutBox::onInitialise() {
    if (auto* ok = control<QPushButton>(ID_OK)) ok->setFocus();
    return false;
}
