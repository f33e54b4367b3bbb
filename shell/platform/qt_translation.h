// Qt's own texts (the buttons of message boxes, the file dialogs) in
// Chinese, from the translation Qt installs beside itself.
#pragma once

// Loads qtbase_zh_CN.qm from Qt's translations folder into the running
// application; answers whether it was found. Without it Qt's texts stay
// English and the program runs on.
bool installQtTranslation();
