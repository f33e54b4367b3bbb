// The numbered commands of the main window. Menu items, accelerators and
// toolbar buttons all name one of these, and one switch handles them.
#pragma once

enum CommandId : int {
    CMD_NEW_GAME = 40010,
    CMD_OPEN = 40011,
    CMD_SAVE = 40012,
    CMD_EXIT = 40013,
    CMD_UNDO = 40017,
    CMD_REDO = 40018,
    CMD_LEVEL_BEGINNER = 40036,
    CMD_LEVEL_INTERMEDIATE = 40038,
    CMD_LEVEL_ADVANCED = 40039,
    CMD_MOVE_NOW = 40088,
    CMD_COMPUTER_MOVE = 40089,
    CMD_SAVE_AS = 40094,
    CMD_SETUP = 40096,
    CMD_LEVEL_CUSTOM = 40098,
    CMD_SOUND = 40104,
    CMD_ANIMATION = 40105,
    CMD_BOOK = 40112,
    CMD_PONDER = 40113,
    CMD_VIEW_TIMER = 40130,
    CMD_VIEW_GAME_INFO = 40131,
    CMD_VIEW_BOOK = 40132,
    CMD_ABOUT = 40134,
    CMD_ROTATE = 40142,
    CMD_ANALYSE = 40145,
    CMD_VIEW_SITUATION = 40146,
    CMD_RESTORE_PV = 40153,
    CMD_COPY_RECORD = 40154,
    CMD_COMPUTER_RED = 40158,
    CMD_COMPUTER_BLACK = 40159,
    CMD_MODE_HUMAN_COMPUTER = 40162,
    CMD_MODE_TWO_HUMANS = 40163,
    CMD_MODE_DEMO = 40164,
    CMD_STOP_THINKING = 40166,
    // Outside engines.
    CMD_ENGINE_MANAGER = 40170,
    CMD_VIEW_ENGINE_LOG = 40171,
    CMD_BEST_MOVE_ARROW = 40172,
    CMD_BUILT_IN_NOTE = 40173,  // a note in the menu, never enabled
    // 查看 → 棋盘大小: 100%, 125%, 150%, 200%, 250%, one after the other.
    CMD_BOARD_SIZE_FIRST = 40180,
    CMD_BOARD_SIZE_LAST = 40184,
    // Game review.
    CMD_REVIEW = 40190,
    CMD_VIEW_GRAPH = 40191,
    // The position as FEN text on the clipboard, and a new game from one.
    CMD_COPY_POSITION = 40201,
    CMD_PASTE_POSITION = 40202,
    // Games databases: 打开棋库, 新建棋库, 导入到棋库, 查看 → 开局浏览.
    CMD_OPEN_DATABASE = 40210,
    CMD_NEW_DATABASE = 40211,
    CMD_IMPORT_DATABASE = 40212,
    CMD_VIEW_EXPLORER = 40213,
    // 设置 → 保留变着: a move at a past ply keeps the old continuation as a variation.
    CMD_KEEP_VARIATIONS = 40203,
    // 设置 → 重复局面裁决: 不裁决 (the original game) or 亚洲规则.
    CMD_RULINGS_OFF = 40204,
    CMD_RULINGS_ASIAN = 40205,
    // 设置 → 时限...: each side's time control.
    CMD_TIME_CONTROL = 40206,
    // 设置 → 记谱方式: 中文, WXF, 坐标 (the moves on screen).
    CMD_NOTATION_FIRST = 40220,
    CMD_NOTATION_LAST = 40222,
    // 设置 → 棋子样式: 中文棋子, 国际符号.
    CMD_PIECE_SET_FIRST = 40225,
    CMD_PIECE_SET_LAST = 40226,
    // 操作 → 持续分析: an analysis runs until 停止思考.
    CMD_NONSTOP_ANALYSIS = 40240,
    // 操作 → 引擎比赛...: matches and tournaments between engines.
    CMD_ENGINE_MATCH = 40250,
};
