// 引擎管理: the engines the program knows, the built-in "Morlan" first and
// always there; 添加 picks an engine program and runs its handshake, which
// fills in its name and options; 删除 takes one out; 选项 sets the values
// of its options; and two choices say which engine plays (电脑对弈) and
// which analyses (分析). The dialog works on a copy of the list: only OK
// hands it back.
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

#include "engines/engine_list.h"

class EngineClient;
class EngineLog;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class EngineManagerDialog final : public QDialog {
public:
    EngineManagerDialog(const EngineList& list, QWidget* parent, EngineLog* log = nullptr);
    ~EngineManagerDialog() override;

    const EngineList& list() const { return list_; }

    // ---- the buttons' work (also for tests) ----
    // Runs the handshake of the program; the engine joins the list when it
    // answers. False when a handshake is already running.
    bool addProgram(const QString& path);
    bool adding() const { return probe != nullptr; }
    void removeSelected();
    void editOptions();
    void select(int row);
    int selected() const;

    QTreeWidget* engineList() const { return table; }
    QComboBox* playerChoice() const { return player; }
    QComboBox* analystChoice() const { return analyst; }
    QLabel* statusLine() const { return status; }

private:
    void chooseProgram();
    void probeReady();
    void probeFailed(const QString& message);
    void endProbe();
    void refresh();
    void updateButtons();

    EngineList list_;
    EngineLog* log_;
    QTreeWidget* table;
    QPushButton* addButton;
    QPushButton* removeButton;
    QPushButton* optionsButton;
    QComboBox* player;
    QComboBox* analyst;
    QLabel* status;
    EngineClient* probe = nullptr;
    QString probePath;
};
