#include "ui/WindowPlacement.h"

#include "panel/ConnectionSettings.h"

#include <QWidget>

namespace pendra::windowPlacement {

namespace {

const QString kGeometryKey = QStringLiteral("Window_Geometry");

bool isOne(const QString& text)
{
    return text.trimmed().toInt() != 0;
}

} // namespace

bool restore(QWidget& window, const ConnectionSettings& settings)
{
    const auto store = settings.openStore();
    const QByteArray geometry = store->value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
    return isOne(settings.storedText(kFullScreenKey));
}

void save(const QWidget& window, const ConnectionSettings& settings)
{
    const auto store = settings.openStore();
    store->setValue(kGeometryKey, window.saveGeometry());
    // Kept only when the operator chose other than IT's default, so that a
    // later default reaches everyone who has not; never over an enforced one.
    if (settings.isEnforced(kFullScreenKey))
        return;
    if (window.isFullScreen() == isOne(settings.machineText(kFullScreenKey)))
        store->remove(kFullScreenKey);
    else
        store->setValue(kFullScreenKey, window.isFullScreen() ? 1 : 0);
}

} // namespace pendra::windowPlacement
