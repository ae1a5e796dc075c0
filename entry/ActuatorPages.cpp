#include "entry/ActuatorPages.h"

#include <QCoreApplication>
#include <QString>

namespace volvenza {

QString ActuatorText(const char* source) {
    return QCoreApplication::translate("volvenza::ActuatorPages", source);
}

}  // namespace volvenza
