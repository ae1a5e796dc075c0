#pragma once
// The help viewer the program opens with a help file and a command. It runs
// beside the program (not modal); the program keeps no link to it.

#include <QString>

#include "messages/Result.h"

class QWidget;

namespace volvenza {

enum class HelpCommand {
    Page = 1,          // the page `key` names ("grafico.html"), with its anchor if any
    Contents = 3,      // the contents page
    PartialKey = 261,  // the keyword index with `key` in its search field
};

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    // Fails with the message to show when the viewer cannot be started at
    // all; a help file it cannot read is the viewer's own business.
    virtual Status Open(QWidget* owner, const QString& helpFile, HelpCommand command,
                        const QString& key) = 0;
};

}  // namespace volvenza
