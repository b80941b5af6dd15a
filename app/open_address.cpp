#include "app/open_address.h"

#include "app/widget_text.h"

#include <QDesktopServices>
#include <QUrl>

#include <mutex>

namespace ftq {
namespace {

std::mutex openerLock;
std::function<void(const std::string &)> opener;

} // namespace

void openAddress(std::string_view address)
{
    std::function<void(const std::string &)> open;
    {
        std::scoped_lock lock(openerLock);
        open = opener;
    }
    if (open)
        open(std::string(address));
    else
        QDesktopServices::openUrl(QUrl(toUiText(address), QUrl::TolerantMode));
}

void setAddressOpener(std::function<void(const std::string &)> newOpener)
{
    std::scoped_lock lock(openerLock);
    opener = std::move(newOpener);
}

} // namespace ftq
