// How the view shows each kind of value and reads typed text back, without a window.
#include "ViewTestSupport.h"

#include "model/HamCpsElement.h"
#include "ui/view/ElementCells.h"
#include "ui/view/ReferenceCells.h"

#include <QtTest>

using namespace vd;

class CellRulesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<vdtest::TestFrame> frame_;
    vdtest::TestControl* control_ = nullptr;

    ElementPtr Setting(const std::string& id) { return ElementPtr(control_->GetElement(id)); }
    static ValueRule Rule(const std::string& kind, std::vector<long long> lower,
                          std::vector<long long> upper, std::string chars = {}) {
        return {kind, std::move(lower), std::move(upper), std::move(chars)};
    }

private slots:
    void init() {
        frame_ = std::make_unique<vdtest::TestFrame>(vdtest::kFixtureModel);
        control_ = frame_->Test();
        QVERIFY(control_);
    }
    void cleanup() { frame_.reset(); }

    void frequencyShownInMegahertzAndReadBack() {
        QCOMPARE(FrequencyToDisplay("145000000"), QStringLiteral("145.000000"));
        QCOMPARE(FrequencyToDisplay("462562500"), QStringLiteral("462.562500"));
        QCOMPARE(FrequencyToDisplay(""), QString());
        QCOMPARE(FrequencyFromDisplay(QStringLiteral("145.0125")).value(),
                 std::string("145012500"));
        QCOMPARE(FrequencyFromDisplay(QStringLiteral(" 446.00625 ")).value(),
                 std::string("446006250"));
        QVERIFY(!FrequencyFromDisplay(QStringLiteral("12a")).has_value());
        QVERIFY(!FrequencyFromDisplay(QStringLiteral("")).has_value());
    }

    void outOfRangeNumbersMoveToTheNearestBound() {
        const ValueRule bands = Rule("value", {136000000, 400000000}, {174000000, 480000000});
        QCOMPARE(NearestInRange(145000000, bands), 145000000LL);
        QCOMPARE(NearestInRange(500000000, bands), 480000000LL);
        QCOMPARE(NearestInRange(100000000, bands), 136000000LL);
        QCOMPARE(NearestInRange(200000000, bands), 174000000LL); // nearer the top of the first
        QCOMPARE(NearestInRange(300000000, bands), 400000000LL);
        QCOMPARE(NearestInRange(287000000, bands), 287000000LL - 113000000LL); // a tie: lower
    }

    void charRuleMapsCaseDropsOthersAndCuts() {
        const ValueRule upperDigits =
            Rule("char", {0}, {12}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
        const CharRuleResult plain = ApplyCharRule(QStringLiteral("AB 1\t\x7f"), upperDigits);
        QCOMPARE(plain.text, QStringLiteral("AB1"));
        QVERIFY(!plain.droppedOutsideSet); // blanks and control characters go silently

        const CharRuleResult cut =
            ApplyCharRule(QStringLiteral("信道名称很长的名字"), Rule("char", {0}, {4}));
        QCOMPARE(cut.text, QStringLiteral("信道名称"));
        QCOMPARE(
            ApplyCharRule(QStringLiteral("*#ab"), Rule("char", {0}, {16}, "0123456789ABCD*#")).text,
            QStringLiteral("*#AB"));
    }

    void ownChoicesSplitAndShowTheirText() {
        const std::vector<OwnChoice> choices = SplitOwnChoices("0:Low||1:Mid|2:High|");
        QCOMPARE(choices.size(), size_t(3));
        QCOMPARE(OwnChoiceText(choices, "1"), QStringLiteral("Mid"));
        QCOMPARE(OwnChoiceText(choices, "02"), QStringLiteral("High"));
        QCOMPARE(OwnChoiceText(choices, "7"), QStringLiteral("7"));
    }

    void everyControlTypeIsShown() {
        const GridCell check = MakeElementCell(*control_, Setting("e01010001"), false);
        QCOMPARE(check.kind, CellKind::Check);
        QCOMPARE(check.text, QStringLiteral("1"));

        const GridCell combo = MakeElementCell(*control_, Setting("e01010002"), false);
        QCOMPARE(combo.kind, CellKind::Combo);
        QCOMPARE(combo.text, QStringLiteral("High"));
        QCOMPARE(combo.choices.size(), size_t(3));
        QCOMPARE(combo.toolTip, QStringLiteral("Transmit power"));

        const GridCell masked = MakeElementCell(*control_, Setting("e01010003"), false);
        QCOMPARE(masked.kind, CellKind::Text);
        QCOMPARE(masked.text, QString::fromLatin1(kMaskText));

        const GridCell file = MakeElementCell(*control_, Setting("e01010004"), false);
        QCOMPARE(file.kind, CellKind::Button);
        QCOMPARE(file.text, QStringLiteral("/tmp/boot.bmp"));
        QCOMPARE(file.buttonText, QStringLiteral("..."));

        const GridCell coloured = MakeElementCell(*control_, Setting("e01010005"), false);
        QCOMPARE(coloured.background, QColor(0xE6, 0xF7, 0xB3));

        const GridCell plain = MakeElementCell(*control_, Setting("e01010006"), false);
        QCOMPARE(plain.text, QStringLiteral("145000000")); // no rule: shown as stored
        control_->rules["Frequency"] = {"value", {136000000}, {174000000}};
        const GridCell frequency = MakeElementCell(*control_, Setting("e01010006"), false);
        QCOMPARE(frequency.text, QStringLiteral("145.000000"));
        control_->rules["Frequency"] = {"value", {0}, {255}};
        QCOMPARE(MakeElementCell(*control_, Setting("e01010006"), false).text,
                 QStringLiteral("145000000")); // a small "value" rule is no frequency
    }

    // the choices themselves, None and AllChannel: ViewTest through the grid
    void referenceChoicesTellWhenTheReferencedRecordIsGone() {
        QVERIFY(!BuildReferenceChoices(*control_, *Setting("e01010010")).originalDeleted);
        QVERIFY(control_->SetInputValue("e01010010", "", "e01090099", true));
        QVERIFY(BuildReferenceChoices(*control_, *Setting("e01010010")).originalDeleted);
    }

    // references, case mapping, check boxes, the kept password, frequencies and locks through
    // the grid: ViewTest
    void typedTextIsParsedPerControlType() {
        const ElementPtr power = Setting("e01010002");
        const GridCell combo = MakeElementCell(*control_, power, false);
        QCOMPARE(ParseCellText(*control_, *power, combo, "Mid", -1).value(), std::string("1"));
        QVERIFY(!ParseCellText(*control_, *power, combo, "Max", -1).has_value());
    }

    void endOfEditAppliesTheRules() {
        const ElementPtr frequency = Setting("e01010006");
        control_->rules["Frequency"] = {"value", {0}, {255}};
        const GridCell small = MakeElementCell(*control_, frequency, false);
        QCOMPARE(CheckEditedText(*control_, *frequency, small, "999", -1).text,
                 QStringLiteral("255"));

        control_->rules["Password"] = {"char", {0}, {8}, "0123456789"};
        const ElementPtr password = Setting("e01010003");
        const GridCell masked = MakeElementCell(*control_, password, false);
        const EditCheck typed = CheckEditedText(*control_, *password, masked, "12a4", -1);
        QCOMPARE(typed.text, QStringLiteral("124"));
        QVERIFY(typed.charsDropped);
        const EditCheck foreign =
            CheckEditedText(*control_, *password, masked, QStringLiteral("12\u00FC"), -1);
        QVERIFY(!foreign.accept); // refused with its name, never sent to the radio as '?'
        QVERIFY(foreign.refusal.contains(QStringLiteral("U+00FC")));

        control_->readOnlyKeys.insert("e01010007_Label");
        const ElementPtr label = Setting("e01010007");
        QVERIFY(
            !CheckEditedText(*control_, *label, MakeElementCell(*control_, label, false), "x", -1)
                 .accept);
        QVERIFY(!MakeElementCell(*control_, label, false).enabled);
    }
};

QTEST_MAIN(CellRulesTest)
#include "CellRulesTest.moc"
