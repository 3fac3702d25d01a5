// A small Tabulon built through the object model and written by the writer, for the end-to-end
// runs: nine field types, categories, a view, a filter, a form tab and two records.
#pragma once

#include "support/TempDir.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBWriter.h"

#include <gtest/gtest.h>

#include <string>

// Slots of the sample's fields.
enum SampleSlot { kName = 1, kAge, kPrice, kBorn, kAlarm, kDone, kColour, kNotes, kSerial };

inline void AddSampleDesign(CTbObjDB& db) {
    db.Field(0)->ListProps()->Items().AddItem("Business");
    db.Field(0)->ListProps()->Items().AddItem("Personal");
    db.AddField("Name", TEXT_T)->TextProps()->SetDefaultValue("n/a");
    db.AddField("Age", INTEGER_T);
    db.AddField("Price", FLOATING_T)->NumberProps()->SetDecimals(2);
    db.AddField("Born", DATE_T);
    db.AddField("Alarm", TIME_T);
    db.AddField("Done", CHECKBOX_T);
    CTbObjField* colour = db.AddField("Farbe", LIST_T);
    colour->ListProps()->Items().AddItem("Rot");
    colour->ListProps()->Items().AddItem("Gr\xFCn");
    db.AddField("Notes", MEMO_T);
    db.AddField("Serial", AUTO_INC_T)->NumberProps()->SetNextValue(3);

    CTbObjView* view = db.AddView();
    view->AddColumn(kName);
    view->AddColumn(kAge);
    view->SetSortKey(1, kName, 0);
    CTbObjFilter* filter = db.AddFilter();
    filter->SetName("Adults");
    filter->SetCondition(0, kAge, TbCompare::GreaterOrEqual, 0, "18");
    db.Tab(0)->SetName("G\xE9n\xE9ral");
    db.Tab(0)->PlaceField(kName, 1);
    db.Tab(0)->PlaceField(kAge, 2);
}

inline void AddSampleRecord(CTbObjDB& db, int category, const char* name, int age, float price, bool done,
                            int colour, const char* notes) {
    CTbObjRecord* record = db.Records().AddRecord(true, false);
    record->Value(0)->SetShort(static_cast<int16_t>(category));
    record->Value(kName)->SetText(name);
    record->Value(kAge)->SetShort(static_cast<int16_t>(age));
    record->Value(kPrice)->SetFloat(price);
    record->Value(kBorn)->SetDate(2004, 10, 27);
    record->Value(kAlarm)->SetTime(7, 30, 0);
    record->Value(kDone)->SetChecked(done);
    record->Value(kColour)->SetShort(static_cast<int16_t>(colour));
    record->Value(kNotes)->SetText(notes);
    record->Value(kSerial)->SetLong(static_cast<int32_t>(record->GetKey()));
}

// Writes the sample as "MRA_<name>.PDB" in dir and returns its path.
inline std::string WriteSampleTabulon(const TempDir& dir, const std::string& name = "Sample List") {
    CTbObjDB db;
    db.SetPdbName("MRA_" + name);
    db.SetLocation(dir.Path().string(), false);
    db.SetLoadState(TB_LOAD_NEW);
    AddSampleDesign(db);
    AddSampleRecord(db, 1, "Caf\xE9 Zo\xEB", 42, 2.5f, true, 2, "line 1\r\nline 2");
    AddSampleRecord(db, 2, "Bob", 7, 0.25f, false, 1, "");
    TbResult result = db.Save();
    EXPECT_GE(result, 0) << "the writer failed: " << db.Writer().GetErrorText();
    return db.FullPath();
}
