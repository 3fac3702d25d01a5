// The "Suppliers" and "Workshop Stock" samples: a joined pair. Each stock part names its
// supplier through a DB Join; DB Lookups show the supplier's phone, delivery time and discount,
// and the part's order value is computed with the looked-up discount.
#include "SampleKit.h"
#include "Samples.h"

#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

namespace samples {

namespace {

enum SupplierSlot { kSupplier = 1, kPhone, kCity, kDeliveryDays, kDiscount };
enum StockSlot { kPart = 1, kFrom, kFromPhone, kFromDelivery, kFromDiscount, kPrice, kQty, kOrderValue };

void DesignSuppliers(CTbObjDB& db) {
    AddField(db, kSupplier, "Supplier", TEXT_T).SetAttributes(0x80);
    AddField(db, kPhone, "Phone", TEXT_T);
    AddField(db, kCity, "City", TEXT_T);
    AddField(db, kDeliveryDays, "Delivery days", INTEGER_T);
    AddField(db, kDiscount, "Discount", FLOATING_T).NumberProps()->SetDecimals(1);
}

void CompleteSuppliers(CTbObjDB& db) {
    ShapeView(*db.View(0), "All suppliers", {{kSupplier, 70}, {kCity, 45}, {kDiscount, 30}}, {{kSupplier}});
    FormFiller(*db.Tab(0), "Supplier", 55)
        .Field(kSupplier, "Supplier:")
        .Field(kPhone, "Phone:")
        .Field(kCity, "City:")
        .Field(kDeliveryDays, "Delivery:", "Working days from order to delivery")
        .Field(kDiscount, "Discount:", "Percent off the list price");
    struct Supplier {
        const char* name;
        const char* phone;
        const char* city;
        int16_t days;
        float discount;
    };
    for (Supplier s : {Supplier{"Brightwell Tools", "555-0142", "Leeds", 3, 5.0f},
                       Supplier{"Norden Fasteners", "555-0187", "Hull", 2, 12.5f},
                       Supplier{"Castell Paints", "555-0119", "York", 5, 0.0f}}) {
        RecordFiller record(db);
        record.Text(kSupplier, s.name).Text(kPhone, s.phone).Text(kCity, s.city);
        record.Integer(kDeliveryDays, s.days).Float(kDiscount, s.discount);
    }
}

void Join(CTbObjField& field, int joinField, int displayField, int joinedType) {
    CTbObjFieldJoin& props = *field.JoinProps();
    if (field.GetType() == DB_JOIN_T) props.SetSourceDatabase("Suppliers");
    props.SetJoinField(static_cast<uint8_t>(joinField));
    props.SetDisplayField(static_cast<uint8_t>(displayField));
    props.SetJoinFieldType(static_cast<uint8_t>(joinedType));
}

void DesignStock(CTbObjDB& db) {
    AddField(db, kPart, "Part", TEXT_T).SetAttributes(0x80);
    Join(AddField(db, kFrom, "Supplier", DB_JOIN_T), kSupplier, kSupplier, TEXT_T);
    Join(AddField(db, kFromPhone, "Phone", DB_LOOKUP_T), kFrom, kPhone, TEXT_T);
    Join(AddField(db, kFromDelivery, "Delivery", DB_LOOKUP_T), kFrom, kDeliveryDays, INTEGER_T);
    Join(AddField(db, kFromDiscount, "Discount", DB_LOOKUP_T), kFrom, kDiscount, FLOATING_T);
    AddField(db, kPrice, "Price", FLOATING_T).NumberProps()->SetDecimals(2);
    AddField(db, kQty, "Qty", INTEGER_T);
    AddField(db, kOrderValue, "Order value", ADV_EXPRESSION_T);
}

void CompleteStock(CTbObjDB& db) {
    SetAdvancedExpression(db, kOrderValue, "Round(Price * Qty * (100 - Discount) / 100, 2)",
                          EXPR_RESULT_FLOATING, 2);
    ShapeView(*db.View(0), "By supplier", {{kFrom, 60}, {kPart, 60}, {kQty, 20}, {kOrderValue, 35}},
              {{kFrom}, {kPart}});
    FormFiller(*db.Tab(0), "Part", 55)
        .Field(kPart, "Part:")
        .Field(kFrom, "Supplier:")
        .Field(kFromPhone, "Phone:")
        .Field(kFromDelivery, "Delivery:")
        .Field(kFromDiscount, "Discount:")
        .Field(kPrice, "Price:")
        .Field(kQty, "Qty:")
        .Field(kOrderValue, "Order value:", "Price times quantity less the supplier's discount");
    struct Part {
        const char* name;
        const char* supplier;
        float price;
        int16_t qty;
    };
    for (Part p : {Part{"Claw hammer", "Brightwell Tools", 14.50f, 4},
                   Part{"Wood screws 4x40", "Norden Fasteners", 6.20f, 25},
                   Part{"Hex bolts M8", "Norden Fasteners", 9.80f, 10},
                   Part{"Primer, white", "Castell Paints", 21.00f, 6},
                   Part{"Spirit level", "Brightwell Tools", 18.75f, 2},
                   Part{"Wall plugs", "Grange Supply", 3.40f, 40}}) {
        RecordFiller record(db);
        record.Text(kPart, p.name).Float(kPrice, p.price).Integer(kQty, p.qty);
        CTbObjRecordValue& join = *record.Record().Value(kFrom);
        join.SetType(TEXT_T);
        join.SetText(p.supplier);
    }
}

}  // namespace

const SampleTabulon& SuppliersSample() {
    static const SampleTabulon sample{"Suppliers", DesignSuppliers, CompleteSuppliers};
    return sample;
}

const SampleTabulon& WorkshopStockSample() {
    static const SampleTabulon sample{"Workshop Stock", DesignStock, CompleteStock};
    return sample;
}

}  // namespace samples
