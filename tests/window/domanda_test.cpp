// The real question box: Yes and No only, and no way out without choosing.
#include "domanda.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace belvane {
namespace {

TEST(Domanda, OnlyYesOrNoEndsIt)
{
    Domanda d(nullptr, "Peccato !!!", "Altra partita?");
    d.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible());
    d.close();
    EXPECT_TRUE(d.isVisible());
    // Return takes the default, Yes.
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QMessageBox::Yes);
}

TEST(Domanda, ChiediSiNoReportsTheButtonChosen)
{
    for (auto [bottone, atteso] :
         {std::pair{QMessageBox::Yes, Risposta::Si}, std::pair{QMessageBox::No, Risposta::No}}) {
        // Click as soon as the box is up and modal.
        QTimer clic;
        QObject::connect(&clic, &QTimer::timeout, [&clic, bottone = bottone] {
            if (auto *d = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); d && d->isVisible()) {
                clic.stop();
                d->button(bottone)->click();
            }
        });
        clic.start(5);
        EXPECT_EQ(ChiediSiNo(nullptr, "Complimenti!", "Altra partita?"), atteso);
    }
}

} // namespace
} // namespace belvane
