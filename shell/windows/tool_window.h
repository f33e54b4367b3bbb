// The base of the program's dialogs: the modeless tool windows beside the
// board (clock, game information, book, set-up, situation) and the modal
// level and About dialogs. The object lives for the whole run; its window
// exists from opening to closing, remembers where it was on the screen and
// reopens there. Each control carries its template id as its object name,
// and every button, box and edit reports to onCommand with that id.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>
#include <initializer_list>

#include "shell/windows/remembered_position.h"

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTreeWidget;
class QWidget;
class ToolDialog;

// Ids of the two buttons that end a dialog: Enter and Esc send them too.
constexpr int ID_OK = 1;
constexpr int ID_CANCEL = 2;

// What a control reports with its id.
enum ControlNotify : int {
    NOTIFY_CLICKED = 0,     // a button or box was clicked
    NOTIFY_CHANGE = 0x300,  // the user changed an edit's text
    NOTIFY_UPDATE = 0x400,  // an edit's text changed, by the user or the program
};

// A dialog template: its title and client size in dialog units.
struct DialogTemplate {
    int id;
    const char* title;  // UTF-8
    int width;
    int height;
};

// A list column: heading (UTF-8) and width in pixels.
struct ListColumn {
    const char* heading;
    int width;
};

class ToolWindow {
public:
    virtual ~ToolWindow();
    ToolWindow(const ToolWindow&) = delete;
    ToolWindow& operator=(const ToolWindow&) = delete;

    // Modeless: creates the window beside the main window, or brings it to
    // the front when it is open.
    void open();
    // Modal: creates the dialog, runs it until it ends and destroys it;
    // returns the code it ended with.
    int runModal();
    // Destroys the modeless window; on-destroy runs first.
    void close();
    bool isOpen() const { return !dialog_.isNull(); }
    QDialog* window() const;

    // Moves the window there (and back onto the desktop when it would be
    // lost); UNSET_POSITION takes the window's present place.
    void setPosition(int x, int y);
    // The remembered top-left corner; x is UNSET_POSITION when there is none.
    QPoint position() const { return position_.point(); }

    // The control with template id `id`, while the window is open.
    template <class T>
    T* control(int id) const;

    // ---- from the dialog ----
    void moved(QPoint topLeft);
    void command(int id, int code) { onCommand(id, code); }
    // Esc in the window: as its cancel button unless the window says otherwise.
    void escapePressed() { onEscape(); }

protected:
    ToolWindow(const DialogTemplate& t, bool modal);

    virtual void createControls() = 0;
    // Answers whether the default focus should be set (the first control).
    virtual bool onInitialise();
    virtual void onCommand(int id, int code);
    virtual void onDestroy() {}
    virtual void onEscape() { onCommand(ID_CANCEL, NOTIFY_CLICKED); }
    // Ends the modal dialog with code.
    void endDialog(int code);

    // ---- building the template's controls (places in dialog units) ----
    QPushButton* addButton(int id, const char* text, int x, int y, int w, int h, bool isDefault = false);
    // A static without a size takes its text's.
    QLabel* addStatic(int id, const char* text, int x, int y, int w = 0, int h = 0);
    QGroupBox* addGroup(const char* title, int x, int y, int w, int h);
    QLineEdit* addEdit(int id, int x, int y, int w, int h);
    QCheckBox* addCheckBox(int id, const char* text, int x, int y, int w, int h);
    QRadioButton* addRadioButton(int id, const char* text, int x, int y, int w, int h);
    QScrollBar* addScrollBar(int id, int x, int y, int w, int h);
    // A report list: single selection, whole rows, the given columns.
    QTreeWidget* addReportList(int id, int x, int y, int w, int h, std::initializer_list<ListColumn> columns);
    // A list of moves by rounds (回合, 先手方, 后手方) with the paging scroll
    // bar under it, as wide as the list, and their handlers connected.
    struct MoveListHandlers {
        std::function<void(int row, int column)> doubleClicked;
        std::function<void(QPoint globalAt)> contextMenu;
        // thumbHeld: the user holds the thumb down (a wheel notch moves it
        // without holding it).
        std::function<void(int action, int sliderPosition, bool thumbHeld)> scrollAction;
        std::function<void()> scrollReleased;
    };
    QTreeWidget* addMoveList(int listId, int scrollId, int x, int y, int w, int h, int scrollY,
                             MoveListHandlers handlers);
    // Places a control made elsewhere, named with its id.
    void placeControl(QWidget* control, int id, int x, int y, int w, int h);
    QDialog* parentForControls() const;

private:
    QObject* findControl(int id) const;
    ToolDialog* createDialog();

    DialogTemplate tmpl;
    bool modal_;
    QPointer<ToolDialog> dialog_;
    RememberedPosition position_;
};

// The step a move list's paging scroll bar asks for, from `current`: a ply
// for the arrows, a round (two plies) for the page areas, the thumb's place
// while it is dragged, kept within 0..last; other actions keep current.
int pagedStep(int action, int current, int sliderPosition, int last);

// The object name a control with template id `id` carries.
QString controlName(int id);

template <class T>
T* ToolWindow::control(int id) const {
    return dynamic_cast<T*>(findControl(id));
}
