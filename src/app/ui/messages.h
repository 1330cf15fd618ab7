#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace orrowvale {

class DataError;

inline constexpr const char* kMessageTitle = "Orrowvale";

// An information box with one "확인" button; returns when the player closes it.
void informBox(QWidget* parent, const QString& text);
// A question with "예" and "아니요"; true only for "예". A question whose "예" loses
// something starts on "아니요", so that Enter alone never throws progress away.
bool confirmBox(QWidget* parent, const QString& question, bool yesByDefault = true);
// A data or save file that could not be read or written, with its file and line.
void errorBox(QWidget* parent, const QString& text);
// The same for a DataError: in Korean, naming the file and line and what to do,
// with the author's detail beneath.
void errorBox(QWidget* parent, const DataError& error);
// The player's text for a DataError: `what` (e.g. "파일을 읽을 수 없습니다") and the
// file and line, then `advice`, then the author's detail.
QString dataErrorText(const DataError& error, const QString& what, const QString& advice);
// A one-line text input box; cancelling gives the empty text.
QString inputBox(QWidget* parent, const QString& title, const QString& prompt);
// A one-line text input box starting with `text`; nothing when it was cancelled, so
// that an empty answer can mean something of its own.
std::optional<QString> askText(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& text);

// The window that should own a box shown from deep inside a rule.
QWidget* activeParent();

}  // namespace orrowvale
