#include "shell/dialogs/engine_manager_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "engines/engine_client.h"
#include "engines/engine_log.h"
#include "shell/dialogs/engine_options_dialog.h"
#include "engines/engine_session.h"
#include "shell/main_window/modal_scope.h"
#include "shell/platform/shown_text.h"

namespace {

// Where Debian puts the engines it packages.
constexpr char ENGINE_FOLDER[] = "/usr/games";

void tell(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, Texts::tr("错误"), text, QMessageBox::Ok, parent);
    ModalScope modal;
    box.exec();
}

}  // namespace

EngineManagerDialog::EngineManagerDialog(const EngineList& list, QWidget* parent, EngineLog* log)
    : QDialog(parent), list_(list), log_(log) {
    setWindowTitle(Texts::tr("引擎管理"));
    auto* grid = new QGridLayout(this);
    table = new QTreeWidget;
    table->setRootIsDecorated(false);
    table->setHeaderLabels({Texts::tr("引擎"), Texts::tr("程序")});
    table->setColumnWidth(0, 170);
    table->header()->setStretchLastSection(true);
    grid->addWidget(table, 0, 0, 4, 1);
    addButton = new QPushButton(Texts::tr("添加..."));
    removeButton = new QPushButton(Texts::tr("删除"));
    optionsButton = new QPushButton(Texts::tr("选项..."));
    grid->addWidget(addButton, 0, 1);
    grid->addWidget(removeButton, 1, 1);
    grid->addWidget(optionsButton, 2, 1);
    grid->setRowStretch(3, 1);

    auto* roles = new QFormLayout;
    player = new QComboBox;
    analyst = new QComboBox;
    roles->addRow(Texts::tr("电脑对弈"), player);
    roles->addRow(Texts::tr("分析"), analyst);
    grid->addLayout(roles, 4, 0, 1, 2);
    status = new QLabel;
    status->setWordWrap(true);
    grid->addWidget(status, 5, 0, 1, 2);
    auto* note = new QLabel(Texts::tr("开局库和后台思考只用于内置引擎 %1。").arg(QLatin1String(BUILT_IN_ENGINE_NAME)));
    grid->addWidget(note, 6, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(Texts::tr("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Texts::tr("取消"));
    grid->addWidget(buttons, 7, 0, 1, 2);

    connect(addButton, &QPushButton::clicked, this, [this] { chooseProgram(); });
    connect(removeButton, &QPushButton::clicked, this, [this] { removeSelected(); });
    connect(optionsButton, &QPushButton::clicked, this, [this] { editOptions(); });
    connect(table, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });
    connect(table, &QTreeWidget::itemDoubleClicked, this, [this] { editOptions(); });
    connect(player, &QComboBox::activated, this, [this](int i) { list_.setPlayer(i); });
    connect(analyst, &QComboBox::activated, this, [this](int i) { list_.setAnalyst(i); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
    select(0);
    resize(520, 360);
}

EngineManagerDialog::~EngineManagerDialog() { endProbe(); }

void EngineManagerDialog::refresh() {
    const int keep = selected();
    table->clear();
    player->clear();
    analyst->clear();
    for (int i = 0; i < list_.size(); ++i) {
        const EngineEntry& e = list_.at(i);
        auto* item = new QTreeWidgetItem(table);
        item->setText(0, e.name);
        item->setText(1, e.builtIn() ? Texts::tr("（内置）") : e.path);
        player->addItem(e.name);
        analyst->addItem(e.name);
    }
    player->setCurrentIndex(list_.player());
    analyst->setCurrentIndex(list_.analyst());
    select(std::min(std::max(keep, 0), list_.size() - 1));
}

void EngineManagerDialog::select(int row) {
    if (QTreeWidgetItem* item = table->topLevelItem(row)) table->setCurrentItem(item);
    updateButtons();
}

int EngineManagerDialog::selected() const {
    QTreeWidgetItem* item = table->currentItem();
    return item ? table->indexOfTopLevelItem(item) : -1;
}

void EngineManagerDialog::updateButtons() {
    const int row = selected();
    removeButton->setEnabled(row > 0);
    optionsButton->setEnabled(row > 0);
    addButton->setEnabled(!probe);
}

// ------------------------------------------------------------------ adding

void EngineManagerDialog::chooseProgram() {
    QFileDialog dialog(this, Texts::tr("选择引擎程序"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFilter(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Executable);
    dialog.setDirectory(QString::fromLatin1(ENGINE_FOLDER));
    int accepted = 0;
    {
        ModalScope modal;
        accepted = dialog.exec();
    }
    if (accepted == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) addProgram(dialog.selectedFiles().first());
}

bool EngineManagerDialog::addProgram(const QString& chosen) {
    if (probe) return false;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (list_.find(path) >= 0) {
        tell(this, Texts::tr("%1 已在引擎列表中。").arg(path));
        return false;
    }
    probePath = path;
    probe = new EngineClient(this);
    const QString shortName = QFileInfo(path).fileName();
    connect(probe, &EngineClient::ready, this, [this] { probeReady(); });
    connect(probe, &EngineClient::failed, this, [this](const QString& m) { probeFailed(m); });
    if (log_) {
        connect(probe, &EngineClient::logLine, this,
                [this, shortName](bool sent, const QString& line) { log_->append(sent, shortName + QStringLiteral(": ") + line); });
    }
    status->setText(Texts::tr("正在连接 %1 ...").arg(path));
    updateButtons();
    if (!probe->start(path)) probeFailed(Texts::tr("引擎程序 %1 不能启动").arg(path));
    return true;
}

void EngineManagerDialog::probeReady() {
    EngineEntry e;
    e.name = probe->name();
    e.path = probePath;
    takeHandshake(*probe, e);
    endProbe();
    const int i = list_.add(e);
    status->setText(Texts::tr("已添加 %1（%2）").arg(e.name, e.protocol.toUpper()));
    refresh();
    select(i);
}

void EngineManagerDialog::probeFailed(const QString& message) {
    endProbe();
    status->setText(Texts::tr("未能添加：%1").arg(message));
    tell(this, message);
}

void EngineManagerDialog::endProbe() {
    if (!probe) return;
    // Its signal may be running: it ends from the event loop.
    probe->disconnect(this);
    probe->quit();
    probe->deleteLater();
    probe = nullptr;
    if (addButton) updateButtons();
}

// -------------------------------------------------------- removing, options

void EngineManagerDialog::removeSelected() {
    if (!list_.remove(selected())) return;
    refresh();
}

void EngineManagerDialog::editOptions() {
    const int row = selected();
    if (row <= 0) return;
    EngineOptionsDialog dialog(list_.at(row), this);
    int accepted = 0;
    {
        ModalScope modal;
        accepted = dialog.exec();
    }
    if (accepted == QDialog::Accepted) list_.at(row).values = dialog.values();
}
