#include "shell/dialogs/about_dialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialogs/em_size.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/modal_scope.h"
#include "shell/windows/dialog_units.h"
#include "shell/platform/shown_text.h"

#ifndef MORLAN_VERSION
#define MORLAN_VERSION "0.0.0"
#endif

namespace {

constexpr char PROGRAM_VERSION[] = "Morlan " MORLAN_VERSION;

struct CreditLine {
    const char* text;      // UTF-8
    bool gapBefore;        // a blank half-line sets it apart from the one above
    bool translatedOnly;   // shown only when the interface is translated
};

constexpr CreditLine CREDIT_LINES[] = {
    {QT_TRANSLATE_NOOP("Texts", "中国象棋对弈程序"), false, false},
    {QT_TRANSLATE_NOOP("Texts", "程序与引擎：Morlan 项目组"), true, false},
    {QT_TRANSLATE_NOOP("Texts", "界面使用 Qt 6，压缩使用 zlib"), false, false},
    // The Chinese interface is the program's own; a translation credits itself.
    {QT_TRANSLATE_NOOP("Texts", "英文翻译：Morlan 项目组"), false, true},
    {QT_TRANSLATE_NOOP("Texts", "开局库数据："), true, false},
};

}  // namespace

const char* const BOOK_DATA_CREDIT =
    "Chinese Chess Practical Dataset (CCPD), Yu-Han Tseng and Bo-Nian Chen, 2026, CC BY 4.0";

const char* programVersionText() { return PROGRAM_VERSION; }

AboutBox& AboutBox::instance() {
    static AboutBox box;
    return box;
}

void AboutBox::run() {
    QWidget* owner = MainWindow::exists() ? &MainWindow::instance() : nullptr;
    QDialog box(owner);
    box.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    box.setFont(dialogFont());
    box.setWindowTitle(Texts::tr("关于"));
    const int em = emPixels(box);

    auto* icon = new QLabel(&box);
    if (owner) icon->setPixmap(owner->windowIcon().pixmap(em * 11 / 4, em * 11 / 4));
    auto* title = new QLabel(QString::fromUtf8(PROGRAM_VERSION), &box);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(0);
    lines->addWidget(title);
    for (const CreditLine& line : CREDIT_LINES) {
        const QString text = shownText(line.text);
        if (line.translatedOnly && text == QString::fromUtf8(line.text)) continue;
        lines->addSpacing(line.gapBefore ? em / 2 : em / 4);
        lines->addWidget(new QLabel(text, &box));
    }
    auto* credit = new QLabel(QString::fromUtf8(BOOK_DATA_CREDIT), &box);
    credit->setWordWrap(true);
    credit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    credit->setFixedWidth(em * 20);
    lines->addWidget(credit);

    auto* ok = new QPushButton(Texts::tr("确定"), &box);
    ok->setAutoDefault(false);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    auto* grid = new QGridLayout(&box);
    grid->setHorizontalSpacing(em);
    grid->addWidget(icon, 0, 0, Qt::AlignTop);
    grid->addLayout(lines, 0, 1);
    grid->addWidget(ok, 1, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();

    ModalScope modal;
    box.exec();
}
