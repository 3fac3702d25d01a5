// The "Time Log" sample: one working week of numbered time entries (date, start, end, project,
// activity, minutes and notes), billable or internal, with the time worked computed three ways:
// a simple expression, advanced expressions with a running day total, and a conditional warning.
#include "SampleKit.h"
#include "Samples.h"

#include <iterator>
#include <string_view>

namespace samples {

namespace {

enum Slot {
    kCategory = 0,
    kEntry,
    kDate,
    kStart,
    kEnd,
    kProject,
    kActivity,
    kMinutes,
    kNotes,
    kDuration,
    kHours,
    kDayTotal,
    kBreak
};

constexpr const char* kOffice = "Office";  // the project name of internal work

struct Entry {
    int day;  // of November 2004
    int startHour, startMinute, endHour, endMinute;
    const char* project;
    const char* activity;
    const char* notes;
};

const Entry kEntries[] = {
    {8, 8, 30, 9, 0, kOffice, "Admin", "Weekly planning.\r\nInbox to zero."},
    {8, 9, 0, 11, 15, "Orchard App", "Coding", "Sync conflict handling.\r\nTwo tests still failing."},
    {8, 11, 30, 12, 30, "Orchard App", "Meeting", "Review with Priya.\r\nAgreed: beta on 19 November."},
    {8, 13, 30, 16, 45, "Riverside Website", "Design", "New menu layout, three variants."},
    {8, 16, 45, 17, 30, kOffice, "Support", "Printer on the second floor."},
    {9, 8, 45, 10, 30, "Orchard App", "Coding", "Fixed the two sync tests."},
    {9, 10, 30, 12, 0, "Orchard App", "Testing",
     "Tried it on the m515 and the Tungsten T3.\r\nm515 crashes on low memory."},
    {9, 13, 0, 14, 0, "Riverside Website", "Meeting", "Client call: menu variant B chosen."},
    {9, 14, 0, 17, 15, "Riverside Website", "Coding", "Menu B: style sheets and images."},
    {10, 9, 0, 9, 30, kOffice, "Admin", "Timesheets for October."},
    {10, 9, 30, 12, 30, "Orchard App", "Coding", "Low-memory fix."},
    {10, 13, 30, 15, 0, "Orchard App", "Testing", "m515 fixed.\r\nRegression run clean."},
    {10, 15, 0, 17, 0, "Riverside Website", "Testing", "Checked the menu in four browsers."},
    {11, 8, 30, 10, 0, "Riverside Website", "Support", "Mails from the contact form bounce."},
    {11, 10, 0, 12, 0, "Orchard App", "Design", "Settings screen for the beta."},
    {11, 13, 0, 13, 45, kOffice, "Meeting", "Staff meeting."},
    {11, 13, 45, 17, 30, "Orchard App", "Coding", "Settings screen done.\r\nNeeds icons."},
    {12, 8, 30, 9, 15, kOffice, "Admin", "Expenses."},
    {12, 9, 15, 11, 45, "Orchard App", "Testing", "Beta candidate 1.\r\nAll 212 tests pass."},
    {12, 11, 45, 12, 15, "Orchard App", "Meeting", "Go for the beta, with Priya."},
    {12, 13, 15, 16, 0, "Riverside Website", "Coding", "Contact form fixed and put on the test server."},
    {12, 16, 0, 17, 0, kOffice, "Support", "New laptop set up for Mei."},
};

void Design(CTbObjDB& db) {
    AddItems(db, kCategory, {"Billable", "Internal"});
    AddField(db, kEntry, "Entry", AUTO_INC_T);
    AddField(db, kDate, "Date", DATE_T).DateTimeProps()->SetDefaultValue(1);    // the day it is added
    AddField(db, kStart, "Start", TIME_T).DateTimeProps()->SetDefaultValue(1);  // the time it is added
    AddField(db, kEnd, "End", TIME_T);
    CTbObjFieldText& project = *AddField(db, kProject, "Project", TEXT_T).TextProps();
    project.SetAutoWriter(7);  // offers the words below, with no separator
    project.SetAutoWriterWords({"Orchard App", "Riverside Website", kOffice});
    AddField(db, kActivity, "Activity", LIST_T);
    AddItems(db, kActivity, {"Design", "Coding", "Testing", "Meeting", "Support", "Admin"});
    AddField(db, kMinutes, "Minutes", LONG_T);
    AddField(db, kNotes, "Notes", MEMO_T);
    AddField(db, kDuration, "Duration", EXPRESSION_T);
    AddField(db, kHours, "Hours", ADV_EXPRESSION_T);
    AddField(db, kDayTotal, "Day total", ADV_EXPRESSION_T);
    AddField(db, kBreak, "Break", COND_EXP_T);
}

// End less start as hours and minutes (the handheld's chain), as hours with two decimals, the
// hours of the day so far (adding to the previous entry's total on the same date), and a red
// reminder after three hours without a pause.
void Compute(CTbObjDB& db) {
    SetSimpleExpression(db, kDuration, {kEnd, 91, kStart}, {"", "", ""}, EXPR_RESULT_HHMM);
    SetAdvancedExpression(db, kHours, "Round((End - Start) * 24, 2)", EXPR_RESULT_FLOATING, 2);
    SetAdvancedExpression(db, kDayTotal, "If(Prev(Date) = Date, Prev(Day total), 0) + Hours",
                          EXPR_RESULT_FLOATING, 2);
    SetConditional(db, kBreak, {{kMinutes, TbCompare::GreaterOrEqual, "180"}}, {"Take a break", TB_RED},
                   {"", TB_BLACK});
}

void Complete(CTbObjDB& db) {
    AddFilter(db, "This project", {{kProject, TbCompare::Equal, "Orchard App"}});
    AddFilter(db, "Meetings", {{kActivity, TbCompare::Equal, "Meeting"}});
    AddFilter(db, "Long sessions", {{kMinutes, TbCompare::GreaterOrEqual, "120"}});

    ShapeView(
        *db.View(0), "Log",
        {{kEntry, 20}, {kDate, 40}, {kStart, 30}, {kEnd, 30}, {kProject, 55}, {kHours, 25}, {kDayTotal, 25}},
        {{kDate}, {kStart}});
    db.View(0)->SetFrozenColumns(1);
    ShapeView(*db.AddView(), "This project", {{kDate, 40}, {kStart, 30}, {kActivity, 40}, {kMinutes, 25}},
              {{kDate}, {kStart}});
    db.View(1)->SetDefaultFilter(0);
    ShapeView(*db.AddView(), "By activity", {{kActivity, 40}, {kProject, 55}, {kDate, 40}, {kMinutes, 25}},
              {{kActivity}, {kProject}, {kDate}});
    db.View(2)->Column(0)->SetIdenticalSuppress(true);

    FormFiller when(*db.Tab(0), "Entry", 45);
    when.Heading("When");
    when.Field(kEntry, "Entry:").LastRow().SetReadOnly(true);
    when.Field(kDate, "Date:").Field(kStart, "Start:").Field(kEnd, "End:");
    when.Field(kMinutes, "Minutes:", "End less start, in minutes").LastRow().SetReadOnly(true);
    when.Field(kDuration, "Duration:")
        .Field(kHours, "Hours:")
        .Field(kDayTotal, "Day total:")
        .Field(kBreak, "Break:");
    FormFiller(*db.AddTab(), "Work", 45)
        .Heading("What")
        .Field(kProject, "Project:")
        .Field(kActivity, "Activity:")
        .Field(kNotes, "Notes:");

    int32_t number = 0;
    for (const Entry& e : kEntries) {
        int32_t minutes = (e.endHour * 60 + e.endMinute) - (e.startHour * 60 + e.startMinute);
        RecordFiller record(db);
        record.Category(std::string_view(e.project) == kOffice ? "Internal" : "Billable")
            .Long(kEntry, ++number);
        record.Date(kDate, 2004, 11, e.day)
            .Time(kStart, e.startHour, e.startMinute)
            .Time(kEnd, e.endHour, e.endMinute);
        record.Text(kProject, e.project)
            .Choice(kActivity, e.activity)
            .Long(kMinutes, minutes)
            .Text(kNotes, e.notes);
    }
    db.Field(kEntry)->NumberProps()->SetNextValue(static_cast<int32_t>(std::size(kEntries)) + 1);
    Compute(db);
    Recalculate(db);
}

}  // namespace

const SampleTabulon& TimeLogSample() {
    static const SampleTabulon sample{"Time Log", Design, Complete};
    return sample;
}

}  // namespace samples
