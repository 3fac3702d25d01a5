// Internal to the model: marking the owning database modified, and the one-line setters of
// persistent settings that store a value and do so.
#pragma once

class CTbObjDB;

// Sets the modified flag of db (when there is one).
void TbMarkModified(CTbObjDB* db);

// Defines Class::SetName(Type) storing into member and marking m_db modified.
#define TB_SETTER(Class, Name, Type, member) \
    void Class::Set##Name(Type value) {      \
        member = std::move(value);           \
        TbMarkModified(m_db);                \
    }
