#include "platform/Dialogs.h"

#include <QCoreApplication>

namespace volvenza {

QString ReplaceQuestion(const QString& path) {
    return QCoreApplication::translate("volvenza::Dialogs", "%1\nIl file esiste già. Sostituirlo?")
        .arg(path);
}

}  // namespace volvenza
