#include <QTest>
class TestMessageBoxes : public QObject { Q_OBJECT };
QTEST_MAIN(TestMessageBoxes)
#include "tst_ui_messageboxes.moc"
