#include "shell/platform/shown_text.h"
#include "shell/dialogs/floating_window.h"

#include <QCloseEvent>
#include <QDialog>
#include <QMoveEvent>

#include "shell/main_window/main_window.h"
#include "shell/windows/dialog_units.h"
#include "shell/windows/keep_on_screen.h"

namespace {

// Hands the window's moves, Esc and close box to its object, which decides
// what closing means.
class FloatingFrame final : public QDialog {
public:
    FloatingFrame(FloatingWindow& w, QWidget* parent) : QDialog(parent), owner(w) {}

    void reject() override { owner.closeRequested(); }

protected:
    void moveEvent(QMoveEvent* e) override {
        QDialog::moveEvent(e);
        owner.moved(pos());
    }
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        owner.closeRequested();
    }

private:
    FloatingWindow& owner;
};

}  // namespace

FloatingWindow::FloatingWindow(const char* title) : title_(title) {}

// At exit an open window goes with the application; only the object ends here.
FloatingWindow::~FloatingWindow() = default;

QDialog* FloatingWindow::window() const { return dialog_.data(); }

void FloatingWindow::open() {
    if (dialog_) {
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    QWidget* owner = MainWindow::exists() ? &MainWindow::instance() : nullptr;
    auto* d = new FloatingFrame(*this, owner);
    d->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    d->setFont(dialogFont());
    d->setWindowTitle(shownText(title_));
    d->setModal(false);
    dialog_ = d;
    build(*d);
    setPosition(position_.point().x(), position_.point().y());
    opened();
    if (!dialog_) return;  // closed itself while starting
    d->show();
}

void FloatingWindow::close() {
    if (!dialog_) return;
    closing();
    QDialog* d = dialog_;
    dialog_ = nullptr;
    d->hide();
    // A widget of the window may be the one whose signal is closing it.
    d->deleteLater();
}

void FloatingWindow::setPosition(int x, int y) { position_.set(dialog_, x, y); }

void FloatingWindow::moved(QPoint topLeft) {
    if (dialog_) position_.follow(topLeft);
}
