#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>

class QDialogButtonBox;
class QPushButton;

namespace qp {

// The base of the program's dialogs: texts by string id in the interface language, and a
// modal run that disables the owner window while the dialog is open, enables it again
// afterwards and gives the activation back to the window that had it. The dialog is a window
// of its own (not a child of the owner, which would disable it too), kept above the owner.
// Messages raised by dialogs go through message() and ask(), which tests can intercept.
class DialogBase : public QDialog {
  Q_OBJECT

 public:
  // owner may be null (a dialog of the tray, with no window open).
  explicit DialogBase(QWidget* owner);

  QWidget* owner() const { return owner_; }

  // Runs the dialog modally over its owner; returns the dialog's result code.
  int runModal();

  // The text of a string id in the interface language, as Qt text.
  static QString text(int id);
  // The caption of messages raised inside dialogs: the program's name.
  static QString caption();

  // A message box of a dialog: the text under the program's name with an OK button
  // (Yes and No for a question).
  enum class Icon { None, Question, Warning, Error };
  struct Message {
    QString text;
    QString caption;
    Icon icon = Icon::None;
    bool question = false;
    bool help = false;  // an OK message with a "Help" button: the answer is true for Help
  };
  // Answers every later message instead of a message box (true: Yes); an empty handler brings
  // the message boxes back. For tests and for a program running without a screen.
  using MessageHandler = std::function<bool(const Message&)>;
  static void setMessageHandler(MessageHandler handler);

  static void message(QWidget* parent, const QString& text, Icon icon = Icon::None);
  static void message(QWidget* parent, int id, Icon icon = Icon::None);
  // An OK message with a "Help" button; true when the user pressed "Help".
  static bool messageWithHelp(QWidget* parent, const QString& text);
  // Yes/No with the question icon under caption (empty: the program's name); true for Yes.
  static bool ask(QWidget* parent, const QString& text, const QString& caption = QString());

 protected:
  // OK and Cancel (or the given texts), OK the default button, Escape and Cancel reject.
  QDialogButtonBox* makeButtons(int okId, int cancelId);

 private:
  static bool deliver(QWidget* parent, const Message& message);
  void keepAboveOwner();
  void placeOverOwner();

  QPointer<QWidget> owner_;
};

}  // namespace qp
