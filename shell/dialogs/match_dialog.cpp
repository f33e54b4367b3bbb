#include "shell/dialogs/match_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/platform/shown_text.h"
#include "engines/engine_list.h"
#include "shell/dialogs/em_size.h"
#include "shell/main_window/modal_scope.h"
#include "shell/windows/dialog_units.h"

namespace {

// The built-in engine's levels: seconds per move, as 电脑水平 gives them.
constexpr int LEVEL_MOVE_MS[] = {0, 2000, 6000, 18000};

constexpr const char* FORMAT_NAMES[] = {QT_TRANSLATE_NOOP("Texts", "两方对抗"), QT_TRANSLATE_NOOP("Texts", "循环赛"), QT_TRANSLATE_NOOP("Texts", "一对多")};
constexpr const char* OPENING_NAMES[] = {QT_TRANSLATE_NOOP("Texts", "标准开局"), QT_TRANSLATE_NOOP("Texts", "开局库"), QT_TRANSLATE_NOOP("Texts", "FEN/EPD 文件"), QT_TRANSLATE_NOOP("Texts", "PGN 文件")};
constexpr const char* LIMIT_NAMES[] = {QT_TRANSLATE_NOOP("Texts", "按比赛计时"), QT_TRANSLATE_NOOP("Texts", "初级"), QT_TRANSLATE_NOOP("Texts", "中级"), QT_TRANSLATE_NOOP("Texts", "高级"), QT_TRANSLATE_NOOP("Texts", "每步时间"), QT_TRANSLATE_NOOP("Texts", "搜索深度")};
// The clock kinds in the combo's order; the last two are limits per move
// without a clock.
constexpr const char* CLOCK_NAMES[] = {QT_TRANSLATE_NOOP("Texts", "包干"), QT_TRANSLATE_NOOP("Texts", "加秒"), QT_TRANSLATE_NOOP("Texts", "读秒"), QT_TRANSLATE_NOOP("Texts", "步数限时"), QT_TRANSLATE_NOOP("Texts", "每步定时"), QT_TRANSLATE_NOOP("Texts", "固定深度")};
constexpr TimeControlKind CLOCK_KINDS[] = {TimeControlKind::Sudden, TimeControlKind::Increment,
                                           TimeControlKind::Byoyomi, TimeControlKind::MovesInTime};
constexpr int CLOCK_MOVE_TIME = 4;
constexpr int CLOCK_DEPTH = 5;

int clockItem(const MatchTime& t) {
    for (int i = 0; i < 4; ++i)
        if (t.control.kind == CLOCK_KINDS[i]) return i;
    return t.depth > 0 ? CLOCK_DEPTH : CLOCK_MOVE_TIME;
}

QComboBox* combo(QWidget* parent, const char* const* names, int count) {
    auto* c = new QComboBox(parent);
    for (int i = 0; i < count; ++i) c->addItem(shownText(names[i]));
    return c;
}

QDoubleSpinBox* seconds(QWidget* parent, double low, double high) {
    auto* s = new QDoubleSpinBox(parent);
    s->setRange(low, high);
    s->setDecimals(1);
    s->setSuffix(Texts::tr(" 秒"));
    return s;
}

QSpinBox* counter(QWidget* parent, int low, int high, const char* suffix = "") {
    auto* s = new QSpinBox(parent);
    s->setRange(low, high);
    s->setSuffix(shownText(suffix));
    return s;
}

class MatchChoices final : public QDialog {
public:
    MatchChoices(QWidget* parent, const EngineList& list);
    void showChoice(const MatchChoice& c);
    void take(MatchChoice& c) const;
    // What keeps the choice from being played, or empty.
    QString problem() const;

private:
    QGroupBox* playersBox(const EngineList& list);
    QGroupBox* gamesBox();
    QGroupBox* clockBox();
    QGroupBox* judgingBox();
    QWidget* fileRow(QLineEdit*& edit, bool save);
    void followChoices();

    QListWidget* players;
    QComboBox* limit;
    QDoubleSpinBox* limitTime;
    QSpinBox* limitDepth;
    QComboBox* format;
    QSpinBox* games;
    QSpinBox* concurrency;
    QComboBox* openings;
    QLineEdit* openingPath;
    QSpinBox* openingPlies;
    QCheckBox* shuffle;
    QSpinBox* seed;
    QComboBox* clock;
    QDoubleSpinBox* base;
    QDoubleSpinBox* extra;
    QSpinBox* stageMoves;
    QDoubleSpinBox* moveTime;
    QSpinBox* depth;
    QSpinBox* margin;
    QCheckBox* resign;
    QSpinBox* resignScore;
    QSpinBox* resignMoves;
    QCheckBox* draw;
    QSpinBox* drawScore;
    QSpinBox* drawMoves;
    QSpinBox* drawAfter;
    QCheckBox* rulings;
    QCheckBox* sprt;
    QDoubleSpinBox* elo0;
    QDoubleSpinBox* elo1;
    QDoubleSpinBox* alpha;
    QDoubleSpinBox* beta;
    QLineEdit* pgn;
    QComboBox* notation;
};

MatchChoices::MatchChoices(QWidget* parent, const EngineList& list) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    setWindowTitle(Texts::tr("比赛设置"));

    auto* ok = new QPushButton(Texts::tr("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        const QString why = problem();
        if (why.isEmpty())
            accept();
        else
            QMessageBox::warning(this, Texts::tr("提示"), why);
    });
    auto* cancel = new QPushButton(Texts::tr("取消"), this);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* grid = new QGridLayout;
    grid->addWidget(playersBox(list), 0, 0, 2, 1);
    grid->addWidget(gamesBox(), 0, 1);
    grid->addWidget(clockBox(), 1, 1);
    grid->addWidget(judgingBox(), 2, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QComboBox* c : {limit, openings, clock}) connect(c, &QComboBox::currentIndexChanged, this, [this] { followChoices(); });
    for (QCheckBox* c : {resign, draw, sprt}) connect(c, &QCheckBox::toggled, this, [this] { followChoices(); });
}

QGroupBox* MatchChoices::playersBox(const EngineList& list) {
    auto* box = new QGroupBox(Texts::tr("参赛引擎（勾选，按次序）"), this);
    players = new QListWidget(box);
    for (int i = 0; i < list.size(); ++i) {
        auto* item = new QListWidgetItem(list.at(i).name, players);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, i);
    }
    players->setMinimumWidth(emPixels(*this) * 14);
    players->setDragDropMode(QAbstractItemView::InternalMove);
    limit = combo(box, LIMIT_NAMES, 6);
    limitTime = seconds(box, 0.1, 600);
    limitDepth = counter(box, 1, 60, QT_TRANSLATE_NOOP("Texts", " 层"));
    auto* form = new QFormLayout;
    form->addRow(Texts::tr("内置引擎"), limit);
    form->addRow(Texts::tr("每步时间"), limitTime);
    form->addRow(Texts::tr("搜索深度"), limitDepth);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(players);
    layout->addLayout(form);
    return box;
}

QWidget* MatchChoices::fileRow(QLineEdit*& edit, bool save) {
    auto* row = new QWidget(this);
    edit = new QLineEdit(row);
    edit->setMinimumWidth(emPixels(*this) * 14);
    auto* browse = new QPushButton(Texts::tr("浏览..."), row);
    browse->setAutoDefault(false);
    QLineEdit* target = edit;
    connect(browse, &QPushButton::clicked, this, [this, target, save] {
        const QString file = save ? QFileDialog::getSaveFileName(this, Texts::tr("比赛棋谱"), target->text(),
                                                                 QStringLiteral("PGN (*.pgn)"), nullptr,
                                                                 QFileDialog::DontConfirmOverwrite)
                                  : QFileDialog::getOpenFileName(this, Texts::tr("开局文件"), target->text());
        if (!file.isEmpty()) target->setText(file);
    });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    layout->addWidget(browse);
    return row;
}

QGroupBox* MatchChoices::gamesBox() {
    auto* box = new QGroupBox(Texts::tr("赛制与开局"), this);
    format = combo(box, FORMAT_NAMES, 3);
    games = counter(box, 2, 100000, QT_TRANSLATE_NOOP("Texts", " 局"));
    games->setSingleStep(2);
    concurrency = counter(box, 1, 16, QT_TRANSLATE_NOOP("Texts", " 局"));
    openings = combo(box, OPENING_NAMES, 4);
    QWidget* path = fileRow(openingPath, false);
    openingPlies = counter(box, 1, 60, QT_TRANSLATE_NOOP("Texts", " 步"));
    shuffle = new QCheckBox(Texts::tr("随机次序"), box);
    seed = counter(box, 0, 2147483647);
    seed->setPrefix(Texts::tr("种子 "));
    auto* form = new QFormLayout(box);
    form->addRow(Texts::tr("赛制"), format);
    form->addRow(Texts::tr("每对对局数"), games);
    form->addRow(Texts::tr("同时进行"), concurrency);
    form->addRow(Texts::tr("开局"), openings);
    form->addRow(Texts::tr("开局文件"), path);
    form->addRow(Texts::tr("开局步数"), openingPlies);
    form->addRow(shuffle, seed);
    return box;
}

QGroupBox* MatchChoices::clockBox() {
    auto* box = new QGroupBox(Texts::tr("用时"), this);
    clock = combo(box, CLOCK_NAMES, 6);
    base = seconds(box, 1, 36000);
    extra = seconds(box, 0, 600);
    stageMoves = counter(box, 1, 200, QT_TRANSLATE_NOOP("Texts", " 步"));
    moveTime = seconds(box, 0.1, 600);
    depth = counter(box, 1, 60, QT_TRANSLATE_NOOP("Texts", " 层"));
    margin = counter(box, 0, 5000, QT_TRANSLATE_NOOP("Texts", " 毫秒"));
    auto* form = new QFormLayout(box);
    form->addRow(Texts::tr("方式"), clock);
    form->addRow(Texts::tr("基本时间"), base);
    form->addRow(Texts::tr("加秒/读秒"), extra);
    form->addRow(Texts::tr("步数"), stageMoves);
    form->addRow(Texts::tr("每步时间"), moveTime);
    form->addRow(Texts::tr("深度"), depth);
    form->addRow(Texts::tr("超时余量"), margin);
    return box;
}

QGroupBox* MatchChoices::judgingBox() {
    auto* box = new QGroupBox(Texts::tr("裁决与记录"), this);
    resign = new QCheckBox(Texts::tr("判负：双方都认为落后至少"), box);
    resignScore = counter(box, 100, 30000, QT_TRANSLATE_NOOP("Texts", " 分"));
    resignMoves = counter(box, 1, 100, QT_TRANSLATE_NOOP("Texts", " 步"));
    draw = new QCheckBox(Texts::tr("判和：双方评分都在 0 附近"), box);
    drawScore = counter(box, 0, 500, QT_TRANSLATE_NOOP("Texts", " 分"));
    drawMoves = counter(box, 1, 100, QT_TRANSLATE_NOOP("Texts", " 步"));
    drawAfter = counter(box, 0, 500);
    drawAfter->setPrefix(Texts::tr("第 "));
    drawAfter->setSuffix(Texts::tr(" 回合后"));
    rulings = new QCheckBox(Texts::tr("重复局面按亚洲规则裁决"), box);
    sprt = new QCheckBox(Texts::tr("SPRT 检验（两方对抗）"), box);
    elo0 = new QDoubleSpinBox(box);
    elo1 = new QDoubleSpinBox(box);
    for (QDoubleSpinBox* e : {elo0, elo1}) {
        e->setRange(-1000, 1000);
        e->setDecimals(1);
    }
    elo0->setPrefix(QStringLiteral("elo0 "));
    elo1->setPrefix(QStringLiteral("elo1 "));
    alpha = new QDoubleSpinBox(box);
    beta = new QDoubleSpinBox(box);
    for (QDoubleSpinBox* r : {alpha, beta}) {
        r->setRange(0.001, 0.5);
        r->setDecimals(3);
        r->setSingleStep(0.01);
    }
    alpha->setPrefix(QStringLiteral("α "));
    beta->setPrefix(QStringLiteral("β "));
    QWidget* file = fileRow(pgn, true);
    notation = new QComboBox(box);
    notation->addItem(Texts::tr("中文记谱"));
    notation->addItem(Texts::tr("坐标"));

    auto* grid = new QGridLayout(box);
    grid->addWidget(resign, 0, 0);
    grid->addWidget(resignScore, 0, 1);
    grid->addWidget(new QLabel(Texts::tr("连续"), box), 0, 2);
    grid->addWidget(resignMoves, 0, 3);
    grid->addWidget(draw, 1, 0);
    grid->addWidget(drawScore, 1, 1);
    grid->addWidget(drawAfter, 1, 2);
    grid->addWidget(drawMoves, 1, 3);
    grid->addWidget(rulings, 2, 0);
    grid->addWidget(sprt, 3, 0);
    grid->addWidget(elo0, 3, 1);
    grid->addWidget(elo1, 3, 2);
    grid->addWidget(alpha, 4, 1);
    grid->addWidget(beta, 4, 2);
    grid->addWidget(new QLabel(Texts::tr("棋谱文件 (PGN)"), box), 5, 0);
    grid->addWidget(file, 5, 1, 1, 2);
    grid->addWidget(notation, 5, 3);
    return box;
}

void MatchChoices::followChoices() {
    const auto builtIn = static_cast<BuiltInLimit>(limit->currentIndex());
    limitTime->setEnabled(builtIn == BuiltInLimit::MoveTime);
    limitDepth->setEnabled(builtIn == BuiltInLimit::Depth);
    const auto source = static_cast<OpeningSource>(openings->currentIndex());
    openingPath->parentWidget()->setEnabled(source == OpeningSource::PositionFile || source == OpeningSource::PgnFile);
    openingPlies->setEnabled(source == OpeningSource::Book || source == OpeningSource::PgnFile);
    shuffle->setEnabled(source != OpeningSource::None);
    const int c = clock->currentIndex();
    base->setEnabled(c < CLOCK_MOVE_TIME);
    extra->setEnabled(c == 1 || c == 2);
    stageMoves->setEnabled(c == 3);
    moveTime->setEnabled(c == CLOCK_MOVE_TIME);
    depth->setEnabled(c == CLOCK_DEPTH);
    for (QSpinBox* s : {resignScore, resignMoves}) s->setEnabled(resign->isChecked());
    for (QSpinBox* s : {drawScore, drawMoves, drawAfter}) s->setEnabled(draw->isChecked());
    for (QDoubleSpinBox* s : {elo0, elo1, alpha, beta}) s->setEnabled(sprt->isChecked());
}

void MatchChoices::showChoice(const MatchChoice& c) {
    // The chosen engines first, in their order, then the others.
    for (int k = c.engines.size() - 1; k >= 0; --k) {
        for (int row = 0; row < players->count(); ++row) {
            if (players->item(row)->data(Qt::UserRole).toInt() != c.engines[k]) continue;
            QListWidgetItem* item = players->takeItem(row);
            item->setCheckState(Qt::Checked);
            players->insertItem(0, item);
            break;
        }
    }
    const MatchSettings& s = c.settings;
    limit->setCurrentIndex(static_cast<int>(c.builtInLimit));
    limitTime->setValue(c.builtInMoveTimeMs / 1000.0);
    limitDepth->setValue(c.builtInDepth);
    format->setCurrentIndex(static_cast<int>(s.format));
    games->setValue(s.gamesPerPairing);
    concurrency->setValue(s.concurrency);
    openings->setCurrentIndex(static_cast<int>(s.openings.source));
    openingPath->setText(s.openings.path);
    openingPlies->setValue(s.openings.plies);
    shuffle->setChecked(s.openings.shuffle);
    seed->setValue(static_cast<int>(s.seed & 0x7fffffff));
    clock->setCurrentIndex(clockItem(s.time));
    base->setValue(s.time.control.baseMs / 1000.0);
    extra->setValue((s.time.control.kind == TimeControlKind::Byoyomi ? s.time.control.periodMs
                                                                       : s.time.control.incrementMs) / 1000.0);
    stageMoves->setValue(s.time.control.moves > 0 ? s.time.control.moves : 40);
    moveTime->setValue(s.time.moveTimeMs > 0 ? s.time.moveTimeMs / 1000.0 : 1.0);
    depth->setValue(s.time.depth > 0 ? s.time.depth : 8);
    margin->setValue(s.time.marginMs);
    const Adjudication& a = s.adjudication;
    resign->setChecked(a.resign);
    resignScore->setValue(a.resignScore);
    resignMoves->setValue(a.resignMoves);
    draw->setChecked(a.draw);
    drawScore->setValue(a.drawScore);
    drawMoves->setValue(a.drawMoves);
    drawAfter->setValue(a.drawAfterMove);
    rulings->setChecked(s.rulings);
    sprt->setChecked(s.sprt);
    elo0->setValue(s.sprtSettings.elo0);
    elo1->setValue(s.sprtSettings.elo1);
    alpha->setValue(s.sprtSettings.alpha);
    beta->setValue(s.sprtSettings.beta);
    pgn->setText(s.pgnPath);
    notation->setCurrentIndex(s.moveText == MoveText::Chinese ? 0 : 1);
    followChoices();
}

void MatchChoices::take(MatchChoice& c) const {
    c.engines.clear();
    for (int row = 0; row < players->count(); ++row)
        if (players->item(row)->checkState() == Qt::Checked) c.engines.append(players->item(row)->data(Qt::UserRole).toInt());
    c.builtInLimit = static_cast<BuiltInLimit>(limit->currentIndex());
    c.builtInMoveTimeMs = static_cast<int>(limitTime->value() * 1000 + 0.5);
    c.builtInDepth = limitDepth->value();
    MatchSettings& s = c.settings;
    s.format = static_cast<MatchFormat>(format->currentIndex());
    s.gamesPerPairing = games->value();
    s.concurrency = concurrency->value();
    s.openings.source = static_cast<OpeningSource>(openings->currentIndex());
    s.openings.path = openingPath->text().trimmed();
    s.openings.plies = openingPlies->value();
    s.openings.shuffle = shuffle->isChecked();
    s.seed = static_cast<std::uint64_t>(seed->value());
    const int k = clock->currentIndex();
    s.time.control = {};
    s.time.moveTimeMs = k == CLOCK_MOVE_TIME ? static_cast<int>(moveTime->value() * 1000 + 0.5) : 0;
    s.time.depth = k == CLOCK_DEPTH ? depth->value() : 0;
    if (k < CLOCK_MOVE_TIME) {
        TimeControl& t = s.time.control;
        t.kind = CLOCK_KINDS[k];
        t.baseMs = static_cast<std::int64_t>(base->value() * 1000 + 0.5);
        const auto extraMs = static_cast<std::int64_t>(extra->value() * 1000 + 0.5);
        if (t.kind == TimeControlKind::Increment) t.incrementMs = extraMs;
        if (t.kind == TimeControlKind::Byoyomi) t.periodMs = extraMs;
        if (t.kind == TimeControlKind::MovesInTime) t.moves = stageMoves->value();
    }
    s.time.marginMs = margin->value();
    Adjudication& a = s.adjudication;
    a.resign = resign->isChecked();
    a.resignScore = resignScore->value();
    a.resignMoves = resignMoves->value();
    a.draw = draw->isChecked();
    a.drawScore = drawScore->value();
    a.drawMoves = drawMoves->value();
    a.drawAfterMove = drawAfter->value();
    s.rulings = rulings->isChecked();
    s.sprt = sprt->isChecked();
    s.sprtSettings = {elo0->value(), elo1->value(), alpha->value(), beta->value()};
    s.pgnPath = pgn->text().trimmed();
    s.moveText = notation->currentIndex() == 0 ? MoveText::Chinese : MoveText::Coordinates;
}

QString MatchChoices::problem() const {
    MatchChoice c;
    take(c);
    const MatchSettings& s = c.settings;
    if (c.engines.size() < 2) return Texts::tr("请至少勾选两个引擎。");
    if (s.format == MatchFormat::Match && c.engines.size() != 2) return Texts::tr("两方对抗只能勾选两个引擎。");
    if (s.pgnPath.isEmpty()) return Texts::tr("请选择保存棋谱的 PGN 文件。");
    const bool needsFile = s.openings.source == OpeningSource::PositionFile || s.openings.source == OpeningSource::PgnFile;
    if (needsFile && !QFileInfo(s.openings.path).isFile()) return Texts::tr("找不到开局文件。");
    if (s.time.control.kind != TimeControlKind::Unlimited && !s.time.control.valid())
        return Texts::tr("用时设置不完整。");
    if (s.sprt && s.format != MatchFormat::Match) return Texts::tr("SPRT 检验只用于两方对抗。");
    if (s.sprt && !s.sprtSettings.valid()) return Texts::tr("SPRT 需要 elo0 小于 elo1，且 α 与 β 之和小于 1。");
    return {};
}

}  // namespace

std::vector<MatchPlayer> matchPlayers(const MatchChoice& choice, const EngineList& list) {
    std::vector<MatchPlayer> players;
    for (int i : choice.engines) {
        if (i < 0 || i >= list.size()) continue;
        const EngineEntry& e = list.at(i);
        MatchPlayer p;
        p.name = e.name;
        if (e.builtIn()) {
            const int level = static_cast<int>(choice.builtInLimit);
            if (level >= 1 && level <= 3) p.moveTimeMs = LEVEL_MOVE_MS[level];
            if (choice.builtInLimit == BuiltInLimit::MoveTime) p.moveTimeMs = choice.builtInMoveTimeMs;
            if (choice.builtInLimit == BuiltInLimit::Depth) p.depth = choice.builtInDepth;
        } else {
            p.program = e.path;
            p.protocol = e.protocol;
            for (auto it = e.values.begin(); it != e.values.end(); ++it)
                if (!programSetsOption(it.key())) p.options.insert(it.key(), it.value());
        }
        players.push_back(p);
    }
    return players;
}

bool editMatchChoice(QWidget* parent, const EngineList& list, MatchChoice& choice) {
    MatchChoices dialog(parent, list);
    dialog.showChoice(choice);
    int code = 0;
    {
        ModalScope modal;
        code = dialog.exec();
    }
    if (code != QDialog::Accepted) return false;
    dialog.take(choice);
    choice.settings.players = matchPlayers(choice, list);
    return true;
}
