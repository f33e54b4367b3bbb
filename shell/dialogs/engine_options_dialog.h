// 选项: a form built from the options an outside engine offers, one row
// each (a number box, a tick, a choice or a text), with the values kept for
// that engine filled in. Options the program sets itself are left out.
#pragma once

#include <QDialog>
#include <QMap>
#include <QString>
#include <functional>
#include <vector>

#include "engines/engine_list.h"

class EngineOptionsDialog final : public QDialog {
public:
    EngineOptionsDialog(const EngineEntry& entry, QWidget* parent);
    // The values as the form holds them: only those that differ from the
    // engine's defaults.
    QMap<QString, QString> values() const;
    // The control of an option (for tests), or nullptr.
    QWidget* field(const QString& option) const;
    void restoreDefaults();

private:
    struct Field {
        const EngineOption* definition;
        QWidget* widget;
        std::function<QString()> read;
        std::function<void(const QString&)> write;
    };
    EngineEntry entry_;
    std::vector<Field> fields;
};
