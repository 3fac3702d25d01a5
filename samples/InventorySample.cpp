// The "Household Inventory" sample: what is in each room, what it cost and when it was bought,
// with a photo of each thing, for the insurance.
#include "InventoryPictures.h"
#include "SampleKit.h"
#include "SamplePictures.h"
#include "Samples.h"

namespace samples {

namespace {

enum Slot {
    kCategory = 0,
    kItem,
    kRoom,
    kValue,
    kQuantity,
    kPurchased,
    kSerial,
    kPhoto,
    kNotes,
    kGreyPhoto,
    kLinePhoto
};

struct Thing {
    const char* item;
    const char* room;
    float value;
    int16_t quantity;
    int year, month, day;
    const char* serial;
    const char* category;
    PictureKind picture;
    Rgb colour;
    const char* notes;
};

const Thing kThings[] = {
    {"Television",
     "Living room",
     649.00f,
     1,
     2003,
     11,
     28,
     "LX-32A-884120",
     "Electronics",
     PictureKind::Screen,
     {30, 60, 140},
     "32-inch LCD, wall bracket.\r\nWarranty until November 2006."},
    {"Laptop",
     "Study",
     1249.99f,
     1,
     2004,
     3,
     15,
     "NB-6620-0031927",
     "Electronics",
     PictureKind::Screen,
     {70, 130, 200},
     "Receipt in the blue folder.\r\nExtended warranty: 3 years."},
    {"Computer monitor",
     "Study",
     219.00f,
     2,
     2003,
     2,
     14,
     "MN-17-55120",
     "Electronics",
     PictureKind::Screen,
     {90, 160, 90},
     "Two 17-inch monitors."},
    {"Refrigerator",
     "Kitchen",
     899.00f,
     1,
     2002,
     6,
     10,
     "RF-2210-77310",
     "Appliances",
     PictureKind::Cabinet,
     {236, 236, 240},
     "Energy class A.\r\nWater filter changed every 6 months."},
    {"Washing machine",
     "Basement",
     529.50f,
     1,
     2001,
     9,
     22,
     "WM-1400-20931",
     "Appliances",
     PictureKind::Cabinet,
     {220, 222, 228},
     "1400 rpm.\r\nService contract with Mendes & Sons."},
    {"Wardrobe",
     "Bedroom",
     780.00f,
     1,
     1999,
     4,
     3,
     "",
     "Furniture",
     PictureKind::Cabinet,
     {150, 100, 60},
     "Oak, two doors.\r\nBought at the Hansen estate auction."},
    {"Floor lamp",
     "Living room",
     89.95f,
     2,
     2004,
     1,
     10,
     "",
     "Furniture",
     PictureKind::Lamp,
     {232, 204, 130},
     "A pair, one each side of the sofa."},
    {"Desk lamp",
     "Study",
     34.50f,
     1,
     2004,
     2,
     2,
     "",
     "Furniture",
     PictureKind::Lamp,
     {40, 120, 60},
     "Green glass shade."},
    {"Dining table",
     "Kitchen",
     450.00f,
     1,
     2000,
     8,
     19,
     "",
     "Furniture",
     PictureKind::Table,
     {128, 84, 46},
     "Seats six; two leaves in the cellar.\r\nScratch on the left corner."},
    {"Garden table",
     "Garage",
     65.00f,
     1,
     2003,
     5,
     17,
     "",
     "Furniture",
     PictureKind::Table,
     {238, 238, 238},
     "Stored in the garage over winter."},
    {"Mountain bike",
     "Garage",
     575.00f,
     1,
     2004,
     5,
     1,
     "WTU 2041 K7731",
     "Sports",
     PictureKind::Bicycle,
     {200, 30, 30},
     "Frame number under the bottom bracket.\r\nServiced in October 2004."},
    {"Child's bike",
     "Garage",
     129.00f,
     1,
     2004,
     6,
     12,
     "KB-20-4410",
     "Sports",
     PictureKind::Bicycle,
     {40, 90, 200},
     "20-inch wheels, Tom's birthday present."},
};

void Design(CTbObjDB& db) {
    AddItems(db, kCategory, {"Electronics", "Furniture", "Appliances", "Sports"});
    AddField(db, kItem, "Item", TEXT_T).SetAttributes(0x80);
    AddField(db, kRoom, "Room", LIST_T);
    AddItems(db, kRoom, {"Living room", "Kitchen", "Bedroom", "Study", "Basement", "Garage"});
    AddField(db, kValue, "Value", FLOATING_T).NumberProps()->SetDecimals(2);
    CTbObjFieldNumber& quantity = *AddField(db, kQuantity, "Quantity", INTEGER_T).NumberProps();
    quantity.SetDefaultValue("1");
    quantity.SetIncDec(1);
    AddField(db, kPurchased, "Purchased", DATE_T);
    AddField(db, kSerial, "Serial no.", TEXT_T);
    AddField(db, kPhoto, "Photo", IMAGE_T).ImageProps()->SetBitsPerPixel(8);
    AddField(db, kNotes, "Notes", MEMO_T);
    // The same photos for handhelds with grey and with black and white screens.
    AddField(db, kGreyPhoto, "Grey photo", IMAGE_T).ImageProps()->SetBitsPerPixel(4);
    AddField(db, kLinePhoto, "Line photo", IMAGE_T).ImageProps()->SetBitsPerPixel(1);
}

void Complete(CTbObjDB& db) {
    AddFilter(db, "Worth over 100", {{kValue, TbCompare::Greater, "100"}});
    AddFilter(db, "Kitchen", {{kRoom, TbCompare::Equal, "Kitchen"}});
    AddFilter(db, "Garage", {{kRoom, TbCompare::Equal, "Garage"}});

    ShapeView(*db.View(0), "By room", {{kRoom, 45}, {kItem, 70}, {kQuantity, 20}, {kValue, 40}},
              {{kRoom}, {kItem}});
    db.View(0)->Column(0)->SetIdenticalSuppress(true);
    ShapeView(*db.AddView(), "Valuables", {{kItem, 70}, {kValue, 45}, {kPurchased, 45}}, {{kValue, true}});
    db.View(1)->SetDefaultFilter(0);
    ShapeView(*db.AddView(), "Purchases", {{kPurchased, 45}, {kItem, 70}, {kValue, 45}},
              {{kPurchased, true}});

    FormFiller(*db.Tab(0), "Item", 55)
        .Heading("What and where")
        .Field(kItem, "Item:")
        .Field(kRoom, "Room:")
        .Field(kQuantity, "Quantity:")
        .Field(kValue, "Value:", "What it would cost to replace")
        .Field(kPurchased, "Bought:")
        .Field(kSerial, "Serial:");
    FormFiller photo(*db.AddTab(), "Photo", 40);
    photo.Field(kPhoto, "Photo:").LastRow().SetImageDisplay(2);  // large thumbnail
    photo.Field(kNotes, "Notes:");

    for (const Thing& t : kThings) {
        RecordFiller record(db);
        record.Category(t.category).Text(kItem, t.item).Choice(kRoom, t.room).Float(kValue, t.value);
        record.Integer(kQuantity, t.quantity).Date(kPurchased, t.year, t.month, t.day);
        if (*t.serial) record.Text(kSerial, t.serial);
        const QImage picture = PaintItemPicture(t.picture, t.colour);
        record.Data(kPhoto, ImportedPicture(picture, 8)).Text(kNotes, t.notes);
        record.Data(kGreyPhoto, ImportedPicture(picture, 4)).Data(kLinePhoto, ImportedPicture(picture, 1));
    }
}

}  // namespace

const SampleTabulon& HouseholdInventorySample() {
    static const SampleTabulon sample{"Household Inventory", Design, Complete};
    return sample;
}

}  // namespace samples
