#include "PlatformBackends.h"

#include "app/BuildInfo.h"
#include "app/LoginItemService.h"
#include "common/MultimediaSoundOutput.h"
#include "common/NetworkUpdateFeed.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include "linux/XdgAutostartLoginItem.h"
#endif

namespace qv::platformBackends {

namespace {

#if !defined(Q_OS_LINUX)
class UnavailableLoginItem final : public LoginItemService {
public:
    LoginItemStatus status() const override { return LoginItemStatus::unavailable; }
    std::optional<QString> registerItem() override { return unsupported(); }
    std::optional<QString> unregisterItem() override { return unsupported(); }

private:
    static QString unsupported() { return QStringLiteral("Not supported on this system."); }
};
#endif

} // namespace

std::unique_ptr<LoginItemService> makeLoginItemService() {
#if defined(Q_OS_LINUX)
    return std::make_unique<XdgAutostartLoginItem>(
        XdgAutostartLoginItem::defaultAutostartFolder(),
        XdgAutostartLoginItem::installedExecutablePath());
#else
    return std::make_unique<UnavailableLoginItem>();
#endif
}

std::unique_ptr<UpdateFeed> makeUpdateFeed() {
    return std::make_unique<NetworkUpdateFeed>(QUrl(buildInfo::updateFeedUrl));
}

std::unique_ptr<SoundOutput> makeSoundOutput() {
    return std::make_unique<MultimediaSoundOutput>();
}

} // namespace qv::platformBackends
