#include "tests/support/windowsuite.h"

#include <QTest>

void WindowSuite::maximisedAndRestoredTheBoardFollows()
{
    platform::testing::FakePlatform fake;
    std::unique_ptr<QWidget> window = start(fake);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QWidget *control = knownControl(*window);
    const QSize own = control->size();
    window->showMaximized();
    QTRY_VERIFY(window->windowState() & Qt::WindowMaximized);
    QTRY_VERIFY(control->width() > own.width() && control->height() > own.height());
    const qreal grown = qreal(control->width()) / own.width();
    QVERIFY(std::abs(qreal(control->height()) / own.height() - grown) < 0.1); // proportions kept
    window->showNormal();
    // Back to about its own size (a desktop may restore a few pixels off).
    QTRY_VERIFY(std::abs(control->width() - own.width()) <= own.width() / 10);
    QTest::qWait(200); // a compositor that objects says so by now
    QVERIFY(window->isVisible());
}

void WindowSuite::aDialogScalesWhenMaximised()
{
    platform::testing::FakePlatform fake;
    std::unique_ptr<QWidget> window = start(fake);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    std::unique_ptr<QDialog> box = dialog(fake, *window);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QWidget *first = box->findChild<QWidget *>();
    const QSize own = first->size();
    box->showMaximized();
    QTRY_VERIFY(first->width() > own.width()); // it scales as the board does
    box->showNormal();
    QTRY_COMPARE(first->size(), own);
    box->close();
    QTest::qWait(100);
    QVERIFY(window->isVisible());
}
