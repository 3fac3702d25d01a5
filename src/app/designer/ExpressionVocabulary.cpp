// The advanced expression editor's lists and tips.
#include "app/designer/ExpressionVocabulary.h"

#include "model/TbObjDB.h"

namespace orvanta::app {

namespace {

const char* const kDateTip =
    "Year( date ), Month( date ), Day( date ): the year, the month (1 to 12) or the day of the month (1 to "
    "31) of a date.\nExample: Year( Today )";
const char* const kTimeTip =
    "Hour( time ), Minute( time ), Second( time ): the hour (0 to 23), the minute or the second (0 to 59) of "
    "a time.\nExample: Hour( Start )";

std::vector<VocabularyEntry> Functions() {
    return {
        {"If ()", "If( )",
         "If( condition , value if true , value if false ): the second argument when the condition is not "
         "zero, else the third.\nExample: If( Qty > 10 , Price * 0.9 , Price )"},
        {"Sel ()", "Sel( )",
         "Sel( index , value 1 , value 2 , ... ): the value the index picks, 1 picking the first.\nExample: "
         "Sel( Weekday( Today ) , 'Sun' , 'Mon' , 'Tue' , 'Wed' , 'Thu' , 'Fri' , 'Sat' )"},
        {"Sqrt ()", "Sqrt( )",
         "Sqrt( number ): the square root of a number that is not negative.\nExample: Sqrt( Area )"},
        {"Round ()", "Round( )",
         "Round( number , decimals ): the number rounded to the nearest whole number, or to that many "
         "decimals when the second argument is given.\nExample: Round( Price * 1.2 , 2 )"},
        {"Abs ()", "Abs( )", "Abs( number ): the number without its sign.\nExample: Abs( Balance )"},
        {"Sign ()", "Sign( )",
         "Sign( number ): -1 for a negative number, 0 for zero and 1 for a positive number.\nExample: Sign( "
         "Balance )"},
        {"Ceil ()", "Ceil( )",
         "Ceil( number ): the smallest whole number not below the number.\nExample: Ceil( 2.1 ) gives 3"},
        {"Floor ()", "Floor( )",
         "Floor( number ): the largest whole number not above the number.\nExample: Floor( 2.9 ) gives 2"},
        {"Date (,,)", "Date( , , )",
         "Date( year , month , day ): the date of that day.\nExample: Date( 2004 , 10 , 27 ) - Today gives "
         "the "
         "days until then"},
        {"Time (,,)", "Time( , , )",
         "Time( hour , minute , second ): that time of day.\nExample: Time( 17 , 30 , 0 ) - Start"},
        {"Year ()", "Year( )", kDateTip},
        {"Month ()", "Month( )", kDateTip},
        {"Day ()", "Day( )", kDateTip},
        {"Weekday ()", "Weekday( )",
         "Weekday( date ): the day of the week of a date, 1 for Sunday to 7 for Saturday.\nExample: Weekday( "
         "Today )"},
        {"Hour ()", "Hour( )", kTimeTip},
        {"Minute ()", "Minute( )", kTimeTip},
        {"Second ()", "Second( )", kTimeTip},
    };
}

std::vector<VocabularyEntry> Plain(std::initializer_list<const char*> texts) {
    std::vector<VocabularyEntry> entries;
    for (const char* text : texts) entries.push_back({text, text});
    return entries;
}

std::vector<VocabularyEntry> Operators() {
    std::vector<VocabularyEntry> entries;
    for (const char* shown : {"** (power)", "% (mod)", "& (and)", "| (or)", "^ (xor)", "! (not)"}) {
        std::string text = shown;
        entries.push_back({text, text.substr(0, text.find(' '))});
    }
    return entries;
}

std::vector<VocabularyEntry> FieldEntries(const CTbObjDB& db, bool previous) {
    std::vector<VocabularyEntry> entries;
    for (int slot = 1; slot <= MaxUserFields; ++slot) {
        const CTbObjField* field = db.Field(slot);
        if (!field || !field->IsUsed()) continue;
        std::string text = previous ? "Prev(" + field->GetName() + ")" : field->GetName();
        entries.push_back({text, text});
    }
    return entries;
}

}  // namespace

const char* ExpressionVocabulary::Title(VocabularyList list) {
    static const char* const kTitles[] = {"(Fields)", "(Previous Record)", "(Constants)",
                                          "(Colors)", "(Other Operators)", "(Functions)"};
    return kTitles[static_cast<int>(list)];
}

std::vector<VocabularyEntry> ExpressionVocabulary::Entries(VocabularyList list, const CTbObjDB& db) {
    switch (list) {
        case VocabularyList::Fields:
            return FieldEntries(db, false);
        case VocabularyList::PreviousRecord:
            return FieldEntries(db, true);
        case VocabularyList::Constants:
            return Plain({"Today", "PrevIndex"});
        case VocabularyList::Colors:
            return Plain({"{black}", "{red}", "{green}", "{blue}", "{yellow}"});
        case VocabularyList::Operators:
            return Operators();
        case VocabularyList::Functions:
            return Functions();
    }
    return {};
}

const std::vector<ResultFormatChoice>& ExpressionVocabulary::ResultFormats() {
    static const std::vector<ResultFormatChoice> kFormats = {{"Floating", EXPR_RESULT_FLOATING},
                                                             {"Hours", EXPR_RESULT_HOURS},
                                                             {"Minutes", EXPR_RESULT_MINUTES},
                                                             {"Seconds", EXPR_RESULT_SECONDS},
                                                             {"Hours-Minutes-Seconds", EXPR_RESULT_HHMMSS},
                                                             {"Hours-Minutes", EXPR_RESULT_HHMM}};
    return kFormats;
}

}  // namespace orvanta::app
