#pragma once

#include <QString>

#include <memory>

class QMessageBox;

// The program's modal message boxes: information icon, captioned with the
// program's title. A seam, so tests can read and answer them.
class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows text with an OK button and waits for it.
    virtual void inform(const QString& text) = 0;
    // Asks with Yes (the default) and No; true when the answer is Yes.
    virtual bool askYesNo(const QString& text) = 0;
};

class MessageBoxPrompter final : public Prompter {
public:
    void inform(const QString& text) override;
    bool askYesNo(const QString& text) override;
};

// The box that MessageBoxPrompter shows, built but not shown.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, bool yesNo);
