// Start-up, the display rows formatted for the settings, and clicks on the display.

#include "engine/format_number.h"
#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <random>

namespace zolvan::testing {
namespace {

// Caption and size after start-up are checked by the window-mode sequences; the indicators'
// captions are a plain table of the product.
TEST(FormLoad, TakesSeparatorAndSeedFromTheSystemAndStartsWithoutAnAnswer) {
    const char separators[][2] = {{'.', '.'}, {',', ','}, {'\0', '.'}}; // locale answer, taken
    for (const auto& row : separators) {
        StartedWorkspace s(row[0]);
        EXPECT_EQ(s.w.engine.DecimalSeparator, row[1]) << "an odd answer falls back to a point";
        EXPECT_EQ(s.w.engine.Random(), std::minstd_rand(s.services.seed)()) << "clock seed";
        EXPECT_EQ(s.enter(":ans").result, "");
    }
}

TEST(HoverReset, HidesTheMaskOnlyWhileItIsShown) {
    StartedWorkspace s;
    s.w.hoverIndex = 4;
    s.w.txtUnosFormule_MouseMove();
    EXPECT_EQ(s.w.hoverIndex, 4);
    s.w.maskShown = true;
    s.w.imgButonMaskLeft = 1400;
    s.w.txtUnosFormule_MouseMove();
    EXPECT_FALSE(s.w.maskShown);
    EXPECT_EQ(s.w.hoverIndex, -1);
    EXPECT_EQ(s.w.imgButonMaskLeft, -350);
}

TEST(OrdinaryRows, AreFormattedAgainWithEveryNewSetting) {
    StartedWorkspace s(',');
    Workspace& w = s.w;
    s.enter("1234,5678");
    s.enter("2H2O+NaCl");
    EXPECT_EQ(w.lblRezultat[0].caption, "94,4730") << "a molecular weight keeps its decimals";
    w.numberSettings.optNumber.select(2);
    EXPECT_EQ(captions(w.lblRezultat), "94,47|1234,57||") << "but not outside automatic mode";
    s.w.numberSettings.chkTisuca.setChecked(true);
    EXPECT_EQ(w.lblRezultat[1].caption, "1.234,57");
    EXPECT_EQ(w.lstRezultat.items()[0], "94,4730") << "history keeps the text it was recorded with";
}

// The display remembers the texts it formatted last; whatever it remembers, each row must show
// what formatting its value afresh gives, line after line and across setting changes.
TEST(OrdinaryRows, ShowWhatFormattingTheirValuesAfreshGives) {
    const std::string_view lines[] = {"H2SO4",   "2+3",         "2+3",         "2h2o+nacl",
                                      "1/3",     "ans",         "170!/3",      "0.1+0.2",
                                      "C6H12O6", "C6H12O6",     "1e300*1e300", "2H2O+NaCl",
                                      "ans*2",   "1234567.891", "ans"};
    const struct {
        int mode;
        bool thousands;
    } settings[] = {{0, false}, {1, false}, {2, false}, {2, true}, {0, false}, {1, false}};
    for (const char separator : {'.', ','}) {
        StartedWorkspace s(separator);
        Workspace& w = s.w;
        const auto fresh = [&w](const std::string& value) {
            return formatNumber(value, w.DisplayMode, w.DecimalDigits, w.engine.ThousandsSeparator,
                                w.engine.ElementDecimals, w.engine.DecimalSeparator);
        };
        for (const auto& setting : settings) {
            w.numberSettings.optNumber.select(setting.mode);
            w.numberSettings.chkTisuca.setChecked(setting.thousands);
            for (std::string_view line : lines) {
                SCOPED_TRACE(::testing::Message() << line << " in mode " << setting.mode
                                                  << (setting.thousands ? " with thousands" : "")
                                                  << ", separator " << separator);
                s.enter(std::string(line));
                EXPECT_EQ(w.lblRezultat[1].caption, fresh(w.engine.AnsText));
                const bool asWritten = w.DisplayMode == 0 && w.engine.ElementPrecision;
                EXPECT_EQ(w.lblRezultat[0].caption,
                          asWritten ? w.engine.ResultText : fresh(w.engine.ResultText));
            }
        }
    }
}

TEST(TableRows, ModeSwitchReformatsTheValuesAndKeepsDesignations) {
    StartedWorkspace s;
    Workspace& w = s.w;
    s.enter(":sum(1+2+3+4)");
    w.numberSettings.optNumber.select(2);
    EXPECT_EQ(captions(w.lblRezultat), "2.50|10.00|1.29|");
    EXPECT_EQ(w.lblOznaka[1].caption, "n = 4");

    s.enter("x^2+1");
    w.numberSettings.optNumber.select(1);
    EXPECT_EQ(captions(w.lblRezultat), "Complex number|Complex number||");
    w.engine.ResultRows.clear(); // a solver that left no rows shows nothing
    w.PokaziRezultat();
    EXPECT_EQ(w.lblRezultat[0].caption, "");
}

TEST(IndicatorClicks, SelectDisplayModeAndBothAngleGroups) {
    StartedWorkspace s;
    Workspace& w = s.w;
    const struct {
        int index, mode, angle;
    } clicks[] = {{1, 1, 0}, {2, 2, 0}, {6, 2, 2}, {5, 2, 1}, {0, 0, 1}, {4, 0, 0}};
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.index);
        w.lblInfo_Click(click.index);
        EXPECT_EQ(w.DisplayMode, click.mode);
        EXPECT_EQ(w.engine.AngleUnit, click.angle);
        EXPECT_EQ(w.numberSettings.optRadiani.selected(), click.angle);
        EXPECT_EQ(w.lblInfo[click.index].foreColour, kActiveColour);
    }
}

TEST(RowClicks, RowsAndHistoryEntriesInsertAtTheSelection) {
    StartedWorkspace s;
    Workspace& w = s.w;
    s.enter("2*3");
    s.enter(":sum(1+2+3+4)");
    w.txtUnosFormule.setText("x+1");
    w.txtUnosFormule.select(0, 1);
    w.lblRezultat_Click(1); // the sum
    w.lblRezultat_Click(7); // no such row
    w.focus = FocusTarget::None;
    w.cmbLista_Click(1);       // 2*3
    w.lblUnosFormule_Click(0); // the deviation, while statistics are shown
    w.lblUnosFormule_Click(1); // the previous line, never with the deviation
    EXPECT_EQ(w.txtUnosFormule.text(), "102*31.29099444873581:sum(1+2+3+4)+1");
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
}

} // namespace
} // namespace zolvan::testing
