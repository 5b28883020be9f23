#include "ui/RunningPanel.h"

#include <QCryptographicHash>

namespace pendra {

RunningPanel::RunningPanel(const QString& storeLocation, QObject* parent) : QObject(parent)
{
    // A short name of fixed length, whatever the user's or the store's names
    // are; it tells nothing of them to other users.
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(sessionIdentity());
    hash.addData(QByteArrayView("\n", 1));
    hash.addData(storeLocation.toUtf8());
    claim(QStringLiteral("pendra-panel-") + QString::fromLatin1(hash.result().toHex().left(24)));
}

RunningPanel::~RunningPanel()
{
    release();
}

} // namespace pendra
