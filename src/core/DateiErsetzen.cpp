#include "DateiErsetzen.h"

#include <QSaveFile>

namespace Fermalin {

bool DateiErsetzen(const QString& pfad, const QByteArray& bytes, bool anOrtErlaubt, QString* grund)
{
    QSaveFile f(pfad);
    f.setDirectWriteFallback(anOrtErlaubt);
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (ok && f.write(bytes) != bytes.size()) {
        ok = false;
        if (grund)
            *grund = f.errorString();
        f.cancelWriting();
        return false;
    }
    ok = ok && f.commit();
    if (!ok && grund)
        *grund = f.errorString();
    return ok;
}

} // namespace Fermalin
