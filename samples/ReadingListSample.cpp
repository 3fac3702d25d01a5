// The "Reading List" sample: books to read, being read, finished or lent out, with ratings,
// reading dates and who has borrowed which book until when; overdue loans show red, and the
// days and pages a day it took to read a book are computed.
#include "SampleKit.h"
#include "Samples.h"

namespace samples {

namespace {

enum Slot {
    kCategory = 0,
    kTitle,
    kAuthor,
    kStatus,
    kPages,
    kStarted,
    kFinished,
    kRating,
    kOwned,
    kLentTo,
    kDueBack,
    kNotes,
    kOverdue,
    kDaysToRead,
    kPagesADay,
    kDueIn
};

struct Day {
    int year = 0, month = 0, day = 0;  // all 0: no date
};

struct Book {
    const char* title;
    const char* author;
    const char* status;
    int16_t pages;
    Day started, finished;
    int rating;  // 1 to 5, 0 when not rated
    bool owned;
    const char* lentTo;
    Day dueBack;
    const char* category;
    const char* notes;
};

// Texts are Windows-1252, as on the desktop: \xEB is e diaeresis.
const Book kBooks[] = {
    {"Pride and Prejudice",
     "Jane Austen",
     "Finished",
     432,
     {2004, 1, 5},
     {2004, 1, 28},
     5,
     true,
     "",
     {},
     "Fiction",
     "Read it for the book club.\r\nBest opening line of the year."},
    {"Moby-Dick",
     "Herman Melville",
     "Reading",
     635,
     {2004, 10, 2},
     {},
     0,
     true,
     "",
     {},
     "Fiction",
     "Up to chapter 41."},
    {"Great Expectations",
     "Charles Dickens",
     "Lent out",
     544,
     {2004, 2, 1},
     {2004, 3, 10},
     4,
     true,
     "Anna Berg",
     {2004, 12, 15},
     "Fiction",
     "Lent at the family dinner, 7 November."},
    {"A Brief History of Time",
     "Stephen Hawking",
     "Finished",
     212,
     {2004, 4, 3},
     {2004, 4, 20},
     4,
     true,
     "",
     {},
     "Non-fiction",
     "Chapters 6 and 7 twice."},
    {"The Wind in the Willows",
     "Kenneth Grahame",
     "Lent out",
     256,
     {2003, 12, 1},
     {2003, 12, 20},
     5,
     true,
     "Tom Berg",
     {2004, 11, 30},
     "Children",
     "Illustrated edition.\r\nPlease bring it back without sticky pages!"},
    {"Middlemarch",
     "George Eliot",
     "To read",
     880,
     {},
     {},
     0,
     true,
     "",
     {},
     "Fiction",
     "Christmas holidays?"},
    {"On the Origin of Species",
     "Charles Darwin",
     "To read",
     502,
     {},
     {},
     0,
     false,
     "",
     {},
     "Non-fiction",
     "Ask the library for the first edition reprint."},
    {"Anna Karenina",
     "Leo Tolstoy",
     "Finished",
     864,
     {2004, 5, 2},
     {2004, 6, 30},
     5,
     true,
     "",
     {},
     "Fiction",
     "New translation.\r\nLevin's chapters grew on me."},
    {"The Hobbit",
     "J. R. R. Tolkien",
     "Lent out",
     310,
     {2004, 7, 1},
     {2004, 7, 12},
     5,
     true,
     "Liam O'Brien",
     {2004, 11, 10},
     "Children",
     "Reading it to his nephew."},
    {"Silent Spring",
     "Rachel Carson",
     "Finished",
     378,
     {2004, 8, 1},
     {2004, 8, 19},
     4,
     false,
     "",
     {},
     "Non-fiction",
     "From the city library."},
    {"Don Quixote",
     "Miguel de Cervantes",
     "Reading",
     1023,
     {2004, 9, 12},
     {},
     0,
     true,
     "",
     {},
     "Fiction",
     "Part one done.\r\nPart two after Moby-Dick."},
    {"Treasure Island",
     "Robert Louis Stevenson",
     "Finished",
     292,
     {2004, 3, 20},
     {2004, 3, 29},
     3,
     true,
     "",
     {},
     "Children",
     "Bedtime reading with Lisa."},
    {"The Art of Computer Programming, Vol. 1",
     "Donald E. Knuth",
     "Lent out",
     650,
     {2002, 5, 1},
     {2003, 2, 1},
     5,
     true,
     "Priya Nair",
     {2004, 12, 31},
     "Non-fiction",
     "Third edition.\r\nHer copy is on order."},
    {"Wuthering Heights",
     "Emily Bront\xEB",
     "To read",
     416,
     {},
     {},
     0,
     true,
     "",
     {},
     "Fiction",
     "Found at the flea market, 2 euros."},
    {"Cosmos",
     "Carl Sagan",
     "Finished",
     365,
     {2004, 9, 1},
     {2004, 9, 25},
     4,
     true,
     "",
     {},
     "Non-fiction",
     "Watch the series again."},
    {"Alice's Adventures in Wonderland",
     "Lewis Carroll",
     "To read",
     200,
     {},
     {},
     0,
     false,
     "",
     {},
     "Children",
     "Birthday present idea for Lisa."},
    {"Walden",
     "Henry David Thoreau",
     "Reading",
     352,
     {2004, 11, 1},
     {},
     0,
     true,
     "",
     {},
     "Non-fiction",
     "A chapter a night."},
};

void Design(CTbObjDB& db) {
    AddItems(db, kCategory, {"Fiction", "Non-fiction", "Children"});
    AddField(db, kTitle, "Title", TEXT_T).SetAttributes(0x80);
    AddField(db, kAuthor, "Author", TEXT_T).SetAttributes(0x80);
    AddField(db, kStatus, "Status", LIST_T);
    AddItems(db, kStatus, {"To read", "Reading", "Finished", "Lent out"});
    db.Field(kStatus)->ListProps()->Items().SetDefaultIndex(ItemIndex(db, kStatus, "To read"));
    AddField(db, kPages, "Pages", INTEGER_T);
    AddField(db, kStarted, "Started", DATE_T);
    AddField(db, kFinished, "Finished", DATE_T);
    AddField(db, kRating, "Rating", RADIO_T).ListProps()->SetButtonCount(5);
    AddItems(db, kRating, {"1", "2", "3", "4", "5"});
    AddField(db, kOwned, "Owned", CHECKBOX_T);
    AddField(db, kLentTo, "Lent to", TEXT_T);
    AddField(db, kDueBack, "Due back", DATE_T);
    AddField(db, kNotes, "Notes", MEMO_T);
    AddField(db, kOverdue, "Overdue", COND_EXP_T);
    AddField(db, kDaysToRead, "Days to read", EXPRESSION_T);
    AddField(db, kPagesADay, "Pages a day", ADV_EXPRESSION_T);
    AddField(db, kDueIn, "Due in", ADV_EXPRESSION_T);
}

void Compute(CTbObjDB& db) {
    SetConditional(db, kOverdue, {{kStatus, TbCompare::Equal, "Lent out"}, {kDueBack, TbCompare::Less, "T"}},
                   {"Overdue", TB_RED}, {"", TB_BLACK});
    SetSimpleExpression(db, kDaysToRead, {kFinished, 91, kStarted}, {"", "", ""}, EXPR_RESULT_DAYS);
    SetAdvancedExpression(db, kPagesADay, "If(Finished, Round(Pages / (Finished - Started + 1), 1), 0)",
                          EXPR_RESULT_FLOATING, 1);
    SetAdvancedExpression(db, kDueIn,
                          "If([Lent to] = '', '', If([Due back] < Today, {red} 'Overdue', "
                          "{green} 'in ' + ([Due back] - Today) + ' days'))",
                          EXPR_RESULT_TEXT, 0);
}

void Complete(CTbObjDB& db) {
    AddFilter(db, "Lent out", {{kStatus, TbCompare::Equal, "Lent out"}});
    AddFilter(db, "Finished", {{kStatus, TbCompare::Equal, "Finished"}});
    AddFilter(db, "Top rated", {{kRating, TbCompare::Equal, "5"}, {kOwned, TbCompare::Equal, "1"}});

    ShapeView(*db.View(0), "Shelf", {{kTitle, 75}, {kAuthor, 55}, {kStatus, 30}}, {{kAuthor}, {kTitle}});
    ShapeView(*db.AddView(), "Lent out", {{kTitle, 70}, {kLentTo, 50}, {kDueBack, 40}, {kOverdue, 30}},
              {{kDueBack}, {kTitle}});
    db.View(1)->SetDefaultFilter(0);
    ShapeView(*db.AddView(), "Read", {{kTitle, 70}, {kFinished, 40}, {kRating, 25}, {kPages, 25}},
              {{kFinished, true}});
    db.View(2)->SetDefaultFilter(1);

    FormFiller(*db.Tab(0), "Book", 45)
        .Heading("The book")
        .Field(kTitle, "Title:")
        .Field(kAuthor, "Author:")
        .Field(kStatus, "Status:")
        .Field(kPages, "Pages:")
        .Field(kRating, "Rating:", "1 poor to 5 excellent")
        .Field(kOwned, "Owned:");
    FormFiller(*db.AddTab(), "Dates", 50)
        .Heading("Reading")
        .Field(kStarted, "Started:")
        .Field(kFinished, "Finished:")
        .Heading("On loan")
        .Field(kLentTo, "Lent to:")
        .Field(kDueBack, "Due back:")
        .Field(kOverdue, "Overdue:")
        .Field(kDueIn, "Due:")
        .Heading("Pace")
        .Field(kDaysToRead, "Days:")
        .Field(kPagesADay, "Pages a day:");
    FormFiller(*db.AddTab(), "Notes", 40).Field(kNotes, "Notes:");

    for (const Book& b : kBooks) {
        RecordFiller record(db);
        record.Category(b.category).Text(kTitle, b.title).Text(kAuthor, b.author).Choice(kStatus, b.status);
        record.Integer(kPages, b.pages).Check(kOwned, b.owned).Text(kNotes, b.notes);
        if (b.started.year) record.Date(kStarted, b.started.year, b.started.month, b.started.day);
        if (b.finished.year) record.Date(kFinished, b.finished.year, b.finished.month, b.finished.day);
        if (b.rating) record.Choice(kRating, std::to_string(b.rating));
        if (*b.lentTo) record.Text(kLentTo, b.lentTo);
        if (b.dueBack.year) record.Date(kDueBack, b.dueBack.year, b.dueBack.month, b.dueBack.day);
    }
    Compute(db);
    Recalculate(db);
}

}  // namespace

const SampleTabulon& ReadingListSample() {
    static const SampleTabulon sample{"Reading List", Design, Complete};
    return sample;
}

}  // namespace samples
