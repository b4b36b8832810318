#include "platform/Interaction.h"
#include "support/ErrorOf.h"

#include <gtest/gtest.h>
#include <QObject>

// Where no window can be shown (the admin tool), a window the program would show must not
// pass for one the user cancelled.
TEST(ConsoleInteraction, AWindowToShowIsAnErrorNotACancel) {
    QObject finestra;
    finestra.setObjectName(QStringLiteral("FormPrivacyCliente"));
    EXPECT_EQ(errorOf([&] { interaction().showModal(finestra); }),
              QStringLiteral("Impossibile mostrare la finestra \"FormPrivacyCliente\": nessuna "
                             "interfaccia grafica in questa esecuzione."));
}
