#include <QAbstractItemModelTester>
#include <QTest>

#include "office/ui/record_list_model.h"
#include "office/ui/register_tab.h"
#include "volumes/volume_list_cells.h"

using namespace bunrako;

namespace {

// A record as a register would give it: the model shows it through the
// register's cell texts.
struct Volume {
    std::string title;
    int books;
};

std::string volumeCell(const Volume& volume, int column) {
    switch (column) {
        case 6:
            return volume.title;
        case 7:
            return std::to_string(volume.books);
        default:
            return {};
    }
}

}  // namespace

class RegisterListModelTest : public QObject {
    Q_OBJECT

  private slots:
    void everyTabsModelPassesTheModelChecks() {
        for (int tab = 0; tab < kRegisterTabCount; ++tab) {
            TextRowModel model(registerTabInfo(tab).columns, textRowCell);
            QAbstractItemModelTester tester(&model,
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
            model.setRecords({{"a", "b"}, {"c"}, {}});
            QCOMPARE(model.rowCount(), 3);
            QCOMPARE(model.columnCount(), static_cast<int>(registerTabInfo(tab).columns.size()));
            model.clearRecords();
            QCOMPARE(model.rowCount(), 0);
        }
    }

    void cellsComeFromTheRegistersCellTexts() {
        RecordListModel<Volume> model(registerTabInfo(RegisterTab::volumes).columns, volumeCell);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRecords({{"会議録", 2}, {"例規集", 10}});
        QCOMPARE(model.data(model.index(0, columnIndex(VolumeListColumn::title))).toString(),
                 QStringLiteral("会議録"));
        QCOMPARE(model.data(model.index(1, columnIndex(VolumeListColumn::books))).toString(),
                 QStringLiteral("10"));
        QCOMPARE(model.data(model.index(1, columnIndex(VolumeListColumn::title)), Qt::ToolTipRole)
                     .toString(),
                 QStringLiteral("例規集"));
        QVERIFY(!model.data(model.index(1, columnIndex(VolumeListColumn::title)), Qt::EditRole)
                     .isValid());
        QVERIFY(!model.data(model.index(2, columnIndex(VolumeListColumn::title)))
                     .isValid());  // past the last row
        QCOMPARE(model.record(1).books, 10);
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    }

    void headersAreTheColumnCaptions() {
        TextRowModel model(registerTabInfo(RegisterTab::permanent).columns, textRowCell);
        QCOMPARE(model.headerData(11, Qt::Horizontal).toString(), QStringLiteral("①見直年月"));
        QCOMPARE(model.headerData(12, Qt::Horizontal).toString(), QStringLiteral("保存年限"));
        QCOMPARE(model.columnWidth(12), 30);
        QCOMPARE(model.headerData(18, Qt::Horizontal).toString(), QStringLiteral("備考"));
        QVERIFY(!model.headerData(19, Qt::Horizontal).isValid());
        QCOMPARE(model.columnWidth(19), 0);
    }

    void missingCellsOfATextRowAreEmpty() {
        QCOMPARE(textRowCell({"a"}, 0), std::string("a"));
        QCOMPARE(textRowCell({"a"}, 1), std::string());
        QCOMPARE(textRowCell({"a"}, -1), std::string());
    }
};

QTEST_MAIN(RegisterListModelTest)
#include "register_list_model_test.moc"
