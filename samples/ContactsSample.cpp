// The "Contacts" sample: people with their phone, e-mail, birthday and notes, filed as
// Personal, Business or Club, with views by name, favourites and work contacts.
#include "SampleKit.h"
#include "Samples.h"

namespace samples {

namespace {

enum Slot {
    kCategory = 0,
    kFirst,
    kLast,
    kCompany,
    kPhone,
    kEmail,
    kBirthday,
    kRelation,
    kFavourite,
    kNotes
};

struct Contact {
    const char* first;
    const char* last;
    const char* company;
    const char* phone;
    const char* email;
    int birthYear, birthMonth, birthDay;  // 0, 0, 0 when not known
    const char* relation;
    bool favourite;
    const char* category;
    const char* notes;
};

// Texts are Windows-1252, as on the desktop: \xE9 is e acute, \xFC u umlaut, \xF6 o umlaut.
const Contact kContacts[] = {
    {"Anna", "Berg", "", "+1 555 0101", "anna.berg@example.com", 1968, 3, 14, "Family", true, "Personal",
     "Sister. Lives in Portland since 2001.\r\nKids: Tom (8) and Lisa (5)."},
    {"Tom", "Berg", "", "+1 555 0102", "", 1996, 7, 2, "Family", false, "Personal",
     "Anna's son. Collects toy trains."},
    {"Carlos", "Mendes", "Mendes & Sons Plumbing", "+1 555 0147", "carlos@mendes-plumbing.example", 1961, 11,
     23, "Work", false, "Business", "Fixed the boiler in January 2004.\r\nCall before 8 am or after 6 pm."},
    {"Ren\xE9", "Dubois", "Atelier Dubois", "+33 1 55 55 01 12", "rene@atelier-dubois.example", 1974, 5, 30,
     "Friend", true, "Personal", "Met in Lyon, summer 1999.\r\nSpeaks French and Spanish."},
    {"Grace", "Okafor", "Northwind Traders", "+1 555 0163", "g.okafor@northwind.example", 1979, 9, 9, "Work",
     true, "Business", "Account manager for the Northwind order.\r\nAssistant: Paul, ext. 214."},
    {"J\xFCrgen", "M\xFCller", "Brandt Maschinenbau", "+49 30 5555 0177", "j.mueller@brandt.example", 1958, 1,
     17, "Work", false, "Business", "Prefers e-mail in German.\r\nTrade fair: Hanover, every April."},
    {"Mei", "Chen", "", "+1 555 0184", "mei.chen@example.net", 1985, 12, 1, "Friend", false, "Club",
     "Chess club, Thursday evenings."},
    {"Olivia", "Hart", "Hart Dental", "+1 555 0190", "reception@hartdental.example", 0, 0, 0, "Work", false,
     "Business", "Dentist. Check-up every six months.\r\nNext: 12 January 2005, 9:30."},
    {"Liam", "O'Brien", "", "+1 555 0121", "liam.obrien@example.org", 1972, 4, 28, "Friend", true, "Club",
     "Cycling club treasurer.\r\nOwes me the August ride fees."},
    {"Sofia", "Rossi", "Rossi Translations", "+39 06 5555 0134", "sofia@rossi-translations.example", 1981, 6,
     19, "Work", false, "Business", "Translated the 2003 catalogue into Italian."},
    {"Helen", "Berg", "", "+1 555 0100", "helen.berg@example.com", 1942, 10, 27, "Family", true, "Personal",
     "Mother.\r\nFlowers for the birthday: white roses."},
    {"Sven", "Lindqvist", "", "+46 8 5555 0158", "", 1976, 2, 29, "Friend", false, "Personal",
     "Leap-year birthday: call on 28 February."},
    {"Priya", "Nair", "Bluebird Software", "+1 555 0176", "priya.nair@bluebird.example", 1983, 8, 5, "Work",
     false, "Business", "Project lead, Bluebird handheld sync.\r\nWeekly call: Tuesdays 10:00."},
    {"Bj\xF6rn", "Eklund", "", "+1 555 0139", "bjorn.eklund@example.net", 1969, 12, 24, "Friend", false,
     "Club", "Chess club captain."},
};

void Design(CTbObjDB& db) {
    AddItems(db, kCategory, {"Personal", "Business", "Club"});
    AddField(db, kFirst, "First name", TEXT_T).SetAttributes(0x80);  // found by the handheld's global find
    AddField(db, kLast, "Last name", TEXT_T).SetAttributes(0x80);
    AddField(db, kCompany, "Company", TEXT_T).SetAttributes(0x80);
    AddField(db, kPhone, "Phone", TEXT_T);
    AddField(db, kEmail, "E-mail", TEXT_T);
    AddField(db, kBirthday, "Birthday", DATE_T);
    AddField(db, kRelation, "Relation", LIST_T);
    AddItems(db, kRelation, {"Family", "Friend", "Work"});
    AddField(db, kFavourite, "Favourite", CHECKBOX_T);
    AddField(db, kNotes, "Notes", MEMO_T);
    for (int slot : {kFirst, kLast, kCompany}) db.Field(slot)->TextProps()->SetAutoShift(true);  // capitals
}

void Complete(CTbObjDB& db) {
    AddFilter(db, "Favourites", {{kFavourite, TbCompare::Equal, "1"}});
    AddFilter(db, "Work", {{kRelation, TbCompare::Equal, "Work"}});
    AddFilter(db, "No e-mail", {{kEmail, TbCompare::Equal, ""}});

    ShapeView(*db.View(0), "By name", {{kLast, 50}, {kFirst, 45}, {kPhone, 60}, {kRelation, 40}},
              {{kLast}, {kFirst}});
    ShapeView(*db.AddView(), "Favourites", {{kFirst, 45}, {kLast, 50}, {kPhone, 60}}, {{kFirst}});
    db.View(1)->SetDefaultFilter(0);
    ShapeView(*db.AddView(), "Work", {{kCompany, 60}, {kLast, 45}, {kEmail, 70}}, {{kCompany}, {kLast}});
    db.View(2)->SetDefaultFilter(1);
    db.View(2)->SetFrozenColumns(1);

    FormFiller(*db.Tab(0), "Name", 50)
        .Heading("Who")
        .Field(kFirst, "First:")
        .Field(kLast, "Last:")
        .Field(kCompany, "Company:")
        .Field(kRelation, "Relation:")
        .Field(kFavourite, "Favourite:");
    FormFiller(*db.AddTab(), "Reach", 50)
        .Heading("How to reach")
        .Field(kPhone, "Phone:", "Country code first, e.g. +1 555 0100")
        .Field(kEmail, "E-mail:")
        .Field(kBirthday, "Birthday:");
    FormFiller(*db.AddTab(), "Notes", 40).Field(kNotes, "Notes:");

    for (const Contact& c : kContacts) {
        RecordFiller record(db);
        record.Category(c.category).Text(kFirst, c.first).Text(kLast, c.last).Text(kPhone, c.phone);
        if (*c.company) record.Text(kCompany, c.company);
        if (*c.email) record.Text(kEmail, c.email);
        if (c.birthYear) record.Date(kBirthday, c.birthYear, c.birthMonth, c.birthDay);
        record.Choice(kRelation, c.relation).Check(kFavourite, c.favourite).Text(kNotes, c.notes);
    }
}

}  // namespace

const SampleTabulon& ContactsSample() {
    static const SampleTabulon sample{"Contacts", Design, Complete};
    return sample;
}

}  // namespace samples
