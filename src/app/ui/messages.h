#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <utility>

class QWidget;

namespace orrowvale {

class DataError;

// A box is titled by the caption of the window it comes from and by what kind of
// box it is ("명령 - 질문"), so that a player who reads the title (or hears it)
// knows what is asked and where. A box with no captioned window behind it takes
// the game's name instead.
inline constexpr const char* kMessageTitle = "Orrowvale";
inline constexpr const char* kInformKind = "알림";
inline constexpr const char* kQuestionKind = "질문";
inline constexpr const char* kErrorKind = "오류";

// What an error box tells the player: Korean written out in the windows' own code.
// It is made from a string literal, never from a runtime string, so that a
// library's English message cannot reach the player by accident; such a message
// goes beneath the Korean as its detail, or fills a place the Korean text leaves
// for it.
class PlayerText {
  public:
    template <std::size_t N>
    PlayerText(const char (&korean)[N])
        : text_(QString::fromUtf8(korean, static_cast<qsizetype>(N) - 1)) {}

    // The text with its lowest %1, %2, ... replaced by `value` (a folder, a file).
    PlayerText arg(const QString& value) const { return PlayerText(text_.arg(value)); }
    // The text with `detail` beneath it, in parentheses: what an author or a bug
    // report needs, in the words of whatever failed.
    PlayerText withDetail(const QString& detail) const;
    const QString& text() const { return text_; }

  private:
    explicit PlayerText(QString text) : text_(std::move(text)) {}
    friend PlayerText dataErrorText(const DataError&, const PlayerText&, const PlayerText&);

    QString text_;
};

// An information box with one "확인" button; returns when the player closes it.
void informBox(QWidget* parent, const QString& text);
// A question with "예" and "아니요"; true only for "예". A question whose "예" loses
// something starts on "아니요", so that Enter alone never throws progress away.
bool confirmBox(QWidget* parent, const QString& question, bool yesByDefault = true);
// A data or save file that could not be read or written, or another failure the
// player must hear of.
void errorBox(QWidget* parent, const PlayerText& text);
// The same for a DataError: in Korean, naming the file and line and what to do,
// with the author's detail beneath.
void errorBox(QWidget* parent, const DataError& error);
// The player's text for a DataError that errorBox(QWidget*, const DataError&) shows.
PlayerText dataErrorText(const DataError& error);
// The player's text for a DataError: `what` (e.g. "파일을 읽을 수 없습니다") and the
// file and line, then `advice`, then the author's detail.
PlayerText dataErrorText(const DataError& error, const PlayerText& what, const PlayerText& advice);
// A one-line text input box; cancelling gives the empty text. With `choices` the
// line drops down a list of them to pick from; it still starts empty and takes
// whatever is typed.
QString inputBox(QWidget* parent, const QString& title, const QString& prompt,
                 const QStringList& choices = {});
// A one-line text input box starting with `text`; nothing when it was cancelled, so
// that an empty answer can mean something of its own.
std::optional<QString> askText(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& text);

// The title of a box of `kind` shown over `parent`: its window's caption (the
// caption of the window behind, when the parent is itself a box) and the kind.
QString boxTitle(const QWidget* parent, const char* kind);

// The window that should own a box shown from deep inside a rule.
QWidget* activeParent();

}  // namespace orrowvale
