#include "collection/listfile.h"
#include "collection/listoperations.h"

#include <QTest>

using namespace vm;

class TestListOperations : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TestListOperations)
#include "tst_listoperations.moc"
