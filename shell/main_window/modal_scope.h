// Marks the time a modal dialog or message box is open. The idle pass does
// not run meanwhile, so the computer cannot move behind an open question.
#pragma once

class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};
