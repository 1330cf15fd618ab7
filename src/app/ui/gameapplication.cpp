#include "app/ui/gameapplication.h"

#include <iostream>
#include <new>
#include <stdexcept>

#include "app/ui/messages.h"
#include "app/ui/text.h"
#include "world/datafiles.h"

namespace orrowvale {

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const PlayerText message = escapedFaultMessage(std::current_exception());
        std::cerr << "orrowvale: " << utf8(message.text()) << '\n';
        // A fault inside the box itself is not shown again: the game goes on.
        try {
            errorBox(activeParent(), message);
        } catch (...) {
        }
        return true;
    }
}

PlayerText escapedFaultMessage(const std::exception_ptr& fault) {
    QString what;
    try {
        std::rethrow_exception(fault);
    } catch (const DataError& error) {
        what = qs(error.what());
    } catch (const std::bad_alloc&) {
        what = QStringLiteral("메모리가 모자랍니다.");
    } catch (const std::out_of_range& error) {
        what = QStringLiteral("범위를 벗어난 번호 (") + qs(error.what()) + QStringLiteral(")");
    } catch (const std::exception& error) {
        what = qs(error.what());
    } catch (...) {
        what = QStringLiteral("알 수 없는 오류");
    }
    // The last resort names the fault in its own words: nothing else knows it.
    return PlayerText(
               "예기치 못한 오류로 이 동작을 마치지 못했습니다:\n%1\n\n"
               "게임은 계속됩니다. 만일을 위해 지금 저장하십시오.")
        .arg(what);
}

}  // namespace orrowvale
