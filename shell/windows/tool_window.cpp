#include "shell/windows/tool_window.h"
#include "shell/platform/shown_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

#include "shell/windows/dialog_units.h"
#include "shell/windows/keep_on_screen.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/modal_scope.h"

// The window of a ToolWindow: hands its moves, Esc and the close box to
// the object, which decides what closing means.
class ToolDialog final : public QDialog {
public:
    ToolDialog(ToolWindow& w, QWidget* parent) : QDialog(parent), owner(w) {}

    void reject() override { owner.escapePressed(); }

protected:
    void moveEvent(QMoveEvent* e) override {
        QDialog::moveEvent(e);
        owner.moved(pos());
    }
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        owner.command(ID_CANCEL, NOTIFY_CLICKED);
    }

private:
    ToolWindow& owner;
};

QString controlName(int id) { return QString::number(id); }

ToolWindow::ToolWindow(const DialogTemplate& t, bool modal) : tmpl(t), modal_(modal) {}

// At exit an open window goes with the application; only the object ends here.
ToolWindow::~ToolWindow() = default;

QDialog* ToolWindow::window() const { return dialog_.data(); }
QDialog* ToolWindow::parentForControls() const { return dialog_.data(); }

QObject* ToolWindow::findControl(int id) const {
    if (!dialog_) return nullptr;
    return dialog_->findChild<QObject*>(controlName(id));
}

ToolDialog* ToolWindow::createDialog() {
    QWidget* owner = MainWindow::exists() ? &MainWindow::instance() : nullptr;
    auto* d = new ToolDialog(*this, owner);
    d->setObjectName(controlName(tmpl.id));
    d->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    d->setFont(dialogFont());
    d->setWindowTitle(shownText(tmpl.title));
    d->setFixedSize(dialogUnits().toPixels(tmpl.width, tmpl.height));
    dialog_ = d;
    createControls();
    return d;
}

void ToolWindow::open() {
    if (dialog_) {
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    ToolDialog* d = createDialog();
    d->setModal(false);
    // Without a focus of the window's own, Qt gives it to the first control.
    onInitialise();
    if (!dialog_) return;  // closed itself while starting
    d->show();
}

int ToolWindow::runModal() {
    if (dialog_) return 0;
    ToolDialog* d = createDialog();
    d->setModal(true);
    onInitialise();
    int code = 0;
    {
        ModalScope modal;
        code = d->exec();
    }
    dialog_ = nullptr;
    onDestroy();
    delete d;
    return code;
}

void ToolWindow::endDialog(int code) {
    if (dialog_) dialog_->done(code);
}

void ToolWindow::close() {
    if (!dialog_) return;
    onDestroy();
    ToolDialog* d = dialog_;
    dialog_ = nullptr;
    d->hide();
    // A control of the window may be the one whose signal is closing it.
    d->deleteLater();
}

bool ToolWindow::onInitialise() {
    if (!modal_) setPosition(position_.point().x(), position_.point().y());
    return true;
}

void ToolWindow::onCommand(int id, int code) {
    if ((id != ID_OK && id != ID_CANCEL) || code != NOTIFY_CLICKED) return;
    if (modal_) {
        endDialog(0);
    } else {
        close();
    }
}

void ToolWindow::setPosition(int x, int y) { position_.set(dialog_, x, y); }

void ToolWindow::moved(QPoint topLeft) {
    if (dialog_) position_.follow(topLeft);
}

// ------------------------------------------------------------- controls

namespace {

// A text control lower than its font's line grows about its middle, so a
// face taller than the templates' keeps its letters whole.
void keepTextHeight(QWidget* control) {
    const int needed = control->sizeHint().height();
    const QRect r = control->geometry();
    if (r.height() >= needed) return;
    control->setGeometry(r.x(), r.y() - (needed - r.height()) / 2, r.width(), needed);
}

}  // namespace

QTreeWidget* ToolWindow::addMoveList(int listId, int scrollId, int x, int y, int w, int h, int scrollY,
                                     MoveListHandlers handlers) {
    QTreeWidget* list = addReportList(listId, x, y, w, h, {{QT_TRANSLATE_NOOP("Texts", "回合"), 40}, {QT_TRANSLATE_NOOP("Texts", "先手方"), 70}, {QT_TRANSLATE_NOOP("Texts", "后手方"), 70}});
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, list,
                     [list, f = handlers.doubleClicked](QTreeWidgetItem* item, int column) {
                         f(list->indexOfTopLevelItem(item), column);
                     });
    QObject::connect(list, &QTreeWidget::customContextMenuRequested, list,
                     [list, f = handlers.contextMenu](QPoint at) { f(list->viewport()->mapToGlobal(at)); });
    QScrollBar* bar = addScrollBar(scrollId, x, scrollY, w, 11);
    bar->setPageStep(1);
    QObject::connect(bar, &QScrollBar::actionTriggered, bar,
                     [bar, f = handlers.scrollAction](int action) {
                         f(action, bar->sliderPosition(), bar->isSliderDown());
                     });
    QObject::connect(bar, &QScrollBar::sliderReleased, bar, handlers.scrollReleased);
    return list;
}

int pagedStep(int action, int current, int sliderPosition, int last) {
    int target = current;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: target = current - 1; break;
    case QAbstractSlider::SliderSingleStepAdd: target = current + 1; break;
    case QAbstractSlider::SliderPageStepSub: target = current - 2; break;
    case QAbstractSlider::SliderPageStepAdd: target = current + 2; break;
    case QAbstractSlider::SliderMove: target = sliderPosition; break;
    default: break;
    }
    return std::clamp(target, 0, last);
}

void ToolWindow::placeControl(QWidget* control, int id, int x, int y, int w, int h) {
    if (id != 0) control->setObjectName(controlName(id));
    control->setGeometry(dialogUnits().toPixels(x, y, w, h));
}

QPushButton* ToolWindow::addButton(int id, const char* text, int x, int y, int w, int h, bool isDefault) {
    auto* b = new QPushButton(shownText(text), dialog_);
    placeControl(b, id, x, y, w, h);
    b->setAutoDefault(false);
    b->setDefault(isDefault);
    QObject::connect(b, &QPushButton::clicked, b, [this, id] { onCommand(id, NOTIFY_CLICKED); });
    return b;
}

QLabel* ToolWindow::addStatic(int id, const char* text, int x, int y, int w, int h) {
    auto* l = new QLabel(shownText(text), dialog_);
    placeControl(l, id, x, y, w, h == 0 ? 8 : h);
    if (w == 0) l->resize(l->sizeHint().width(), l->height());
    keepTextHeight(l);
    return l;
}

QGroupBox* ToolWindow::addGroup(const char* title, int x, int y, int w, int h) {
    auto* g = new QGroupBox(shownText(title), dialog_);
    placeControl(g, 0, x, y, w, h);
    g->lower();
    return g;
}

QLineEdit* ToolWindow::addEdit(int id, int x, int y, int w, int h) {
    auto* e = new QLineEdit(dialog_);
    placeControl(e, id, x, y, w, h);
    QObject::connect(e, &QLineEdit::textEdited, e, [this, id] { onCommand(id, NOTIFY_CHANGE); });
    QObject::connect(e, &QLineEdit::textChanged, e, [this, id] { onCommand(id, NOTIFY_UPDATE); });
    return e;
}

QCheckBox* ToolWindow::addCheckBox(int id, const char* text, int x, int y, int w, int h) {
    auto* c = new QCheckBox(shownText(text), dialog_);
    placeControl(c, id, x, y, w, h);
    keepTextHeight(c);
    QObject::connect(c, &QCheckBox::clicked, c, [this, id] { onCommand(id, NOTIFY_CLICKED); });
    return c;
}

QRadioButton* ToolWindow::addRadioButton(int id, const char* text, int x, int y, int w, int h) {
    auto* r = new QRadioButton(shownText(text), dialog_);
    placeControl(r, id, x, y, w, h);
    keepTextHeight(r);
    QObject::connect(r, &QRadioButton::clicked, r, [this, id] { onCommand(id, NOTIFY_CLICKED); });
    return r;
}

QScrollBar* ToolWindow::addScrollBar(int id, int x, int y, int w, int h) {
    auto* s = new QScrollBar(Qt::Horizontal, dialog_);
    placeControl(s, id, x, y, w, h);
    s->setEnabled(false);
    return s;
}

QTreeWidget* ToolWindow::addReportList(int id, int x, int y, int w, int h, std::initializer_list<ListColumn> columns) {
    auto* list = new QTreeWidget(dialog_);
    placeControl(list, id, x, y, w, h);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setItemsExpandable(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->setColumnCount(static_cast<int>(columns.size()));
    QStringList headings;
    for (const ListColumn& c : columns) headings << shownText(c.heading);
    list->setHeaderLabels(headings);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    int i = 0;
    for (const ListColumn& c : columns) {
        list->setColumnWidth(i, c.width);
        list->headerItem()->setTextAlignment(i, Qt::AlignLeft | Qt::AlignVCenter);
        ++i;
    }
    return list;
}
