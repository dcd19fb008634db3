#include <QTest>
class TestFields : public QObject { Q_OBJECT };
QTEST_MAIN(TestFields)
#include "tst_ui_fields.moc"
