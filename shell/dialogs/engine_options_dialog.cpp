#include "shell/dialogs/engine_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialogs/focus_wheel_guard.h"
#include "shell/platform/shown_text.h"

namespace {

bool isTrue(const QString& v) { return v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0; }

}  // namespace

EngineOptionsDialog::EngineOptionsDialog(const EngineEntry& entry, QWidget* parent) : QDialog(parent), entry_(entry) {
    setWindowTitle(Texts::tr("选项 - %1").arg(entry_.name));
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* wheelGuard = new FocusWheelGuard(this);
    for (const EngineOption& o : entry_.options) {
        if (programSetsOption(o.name) || o.type == EngineOption::BUTTON) continue;
        Field f{&o, nullptr, {}, {}};
        if (o.type == EngineOption::SPIN) {
            auto* box = new QSpinBox;
            box->setRange(o.min, std::max(o.min, o.max));
            f.widget = box;
            f.read = [box] { return QString::number(box->value()); };
            f.write = [box](const QString& v) { box->setValue(v.toInt()); };
        } else if (o.type == EngineOption::CHECK) {
            auto* box = new QCheckBox;
            f.widget = box;
            f.read = [box] { return box->isChecked() ? QStringLiteral("true") : QStringLiteral("false"); };
            f.write = [box](const QString& v) { box->setChecked(isTrue(v)); };
        } else if (o.type == EngineOption::COMBO) {
            auto* box = new QComboBox;
            box->addItems(o.choices);
            f.widget = box;
            f.read = [box] { return box->currentText(); };
            f.write = [box](const QString& v) { box->setCurrentIndex(std::max(0, box->findText(v))); };
        } else {
            auto* edit = new QLineEdit;
            f.widget = edit;
            f.read = [edit] { return edit->text(); };
            f.write = [edit](const QString& v) { edit->setText(v); };
        }
        f.widget->setObjectName(o.name);
        if (qobject_cast<QSpinBox*>(f.widget) || qobject_cast<QComboBox*>(f.widget)) wheelGuard->guard(f.widget);
        f.write(entry_.value(o.name));
        form->addRow(o.name, f.widget);
        fields.push_back(f);
    }
    auto* inner = new QWidget;
    inner->setLayout(form);
    auto* scroll = new QScrollArea;
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    if (fields.empty()) {
        outer->addWidget(new QLabel(Texts::tr("这个引擎没有可以设定的选项。")));
    } else {
        outer->addWidget(scroll);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(Texts::tr("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Texts::tr("取消"));
    QPushButton* defaults = buttons->addButton(Texts::tr("恢复默认"), QDialogButtonBox::ResetRole);
    connect(defaults, &QPushButton::clicked, this, [this] { restoreDefaults(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    resize(420, 460);
}

void EngineOptionsDialog::restoreDefaults() {
    for (const Field& f : fields) f.write(f.definition->defaultValue);
}

QMap<QString, QString> EngineOptionsDialog::values() const {
    // What the form does not show (the lines of 局势) is kept as it was.
    QMap<QString, QString> out;
    for (auto it = entry_.values.begin(); it != entry_.values.end(); ++it) {
        if (programSetsOption(it.key())) out[it.key()] = it.value();
    }
    for (const Field& f : fields) {
        const QString v = f.read();
        if (v != f.definition->defaultValue) out[f.definition->name] = v;
    }
    return out;
}

QWidget* EngineOptionsDialog::field(const QString& option) const {
    for (const Field& f : fields) {
        if (f.definition->name == option) return f.widget;
    }
    return nullptr;
}
