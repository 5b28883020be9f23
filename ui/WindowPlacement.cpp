#include "ui/WindowPlacement.h"

#include "panel/ConnectionSettings.h"

#include <QWidget>

namespace pendra::windowPlacement {

namespace {

const QString kGeometryKey = QStringLiteral("Window_Geometry");
const QString kFullScreenKey = QStringLiteral("Window_FullScreen");

} // namespace

bool restore(QWidget& window, const ConnectionSettings& settings)
{
    const auto store = settings.openStore();
    const QByteArray geometry = store->value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
    return store->value(kFullScreenKey, 0).toInt() != 0;
}

void save(const QWidget& window, const ConnectionSettings& settings)
{
    const auto store = settings.openStore();
    store->setValue(kGeometryKey, window.saveGeometry());
    store->setValue(kFullScreenKey, window.isFullScreen() ? 1 : 0);
}

} // namespace pendra::windowPlacement
