#include "platform/CArchive.h"
#include "platform/CMemFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A named namespace: the serial macros define operators that an unnamed one would
// report as unused.
namespace archive_test {

using Bytes = std::vector<BYTE>;

class ArchParam : public CObject {
    DECLARE_SERIAL(ArchParam)
public:
    CString name;
    int value = 0;

    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << name << value;
        else
            ar >> name >> value;
    }
};
IMPLEMENT_SERIAL(ArchParam, CObject, 1)

class ArchDot : public CObject {
    DECLARE_SERIAL(ArchDot)
};
IMPLEMENT_SERIAL(ArchDot, CObject, 1)

// Holds another object and writes it as a tagged object of its own.
class ArchLink : public CObject {
    DECLARE_SERIAL(ArchLink)
public:
    CObject* target = nullptr;

    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << target;
        else
            ar >> target;
    }
};
IMPLEMENT_SERIAL(ArchLink, CObject, 1)

// Accepts stored schemas up to 2; its field of schema 2 is read only from such objects.
class ArchVersioned : public CObject {
    DECLARE_SERIAL(ArchVersioned)
public:
    WORD oldField = 0;
    WORD newField = 0;
    UINT loadedSchema = 0;

    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << oldField << newField;
            return;
        }
        loadedSchema = ar.GetObjectSchema();
        ar >> oldField;
        if (loadedSchema >= 2)
            ar >> newField;
    }
};
IMPLEMENT_SERIAL(ArchVersioned, CObject, VERSIONABLE_SCHEMA | 2)

Bytes Store(const std::function<void(CArchive&)>& write, int bufferSize = 4096) {
    CMemFile file;
    CArchive ar(&file, CArchive::store, bufferSize);
    write(ar);
    ar.Close();
    const DWORD length = file.GetLength();
    BYTE* data = file.Detach();
    Bytes bytes(data, data + length);
    std::free(data);
    return bytes;
}

void Load(Bytes bytes, const std::function<void(CArchive&)>& read, int bufferSize = 4096) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load, bufferSize);
    read(ar);
    ar.Close();
}

// The cause of the CArchiveException that `read` throws on `bytes`, or -1.
int LoadFailure(const Bytes& bytes, const std::function<void(CArchive&)>& read) {
    try {
        Load(bytes, read);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Text(const char* text) {
    return Bytes(text, text + std::strlen(text));
}

Bytes Header(const char* className, WORD schema = 1) {
    const BYTE length = static_cast<BYTE>(std::strlen(className));
    return Concat({{0xFF, 0xFF, static_cast<BYTE>(schema), static_cast<BYTE>(schema >> 8), length, 0},
                   Text(className)});
}

}  // namespace archive_test

using namespace archive_test;

TEST(CArchive, NumbersAreLittleEndian) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar << static_cast<BYTE>(0x12) << static_cast<WORD>(0x3456) << static_cast<DWORD>(0x789ABCDE)
           << -2 << static_cast<short>(-3) << 'A' << static_cast<LONG>(-0x10000) << 7u << 1.0f << -2.0;
    });
    const Bytes expected = {0x12, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78, 0xFE, 0xFF, 0xFF, 0xFF,
                            0xFD, 0xFF, 'A',  0x00, 0x00, 0xFF, 0xFF, 7,    0,    0,    0,
                            0x00, 0x00, 0x80, 0x3F, 0,    0,    0,    0,    0,    0,    0, 0xC0};
    EXPECT_EQ(expected, bytes);

    Load(bytes, [](CArchive& ar) {
        BYTE b; WORD w; DWORD d; int i; short s; char c; LONG l; UINT u; float f; double x;
        ar >> b >> w >> d >> i >> s >> c >> l >> u >> f >> x;
        EXPECT_EQ(0x12, b);
        EXPECT_EQ(0x3456, w);
        EXPECT_EQ(0x789ABCDEu, d);
        EXPECT_EQ(-2, i);
        EXPECT_EQ(-3, s);
        EXPECT_EQ('A', c);
        EXPECT_EQ(-0x10000, l);
        EXPECT_EQ(7u, u);
        EXPECT_EQ(1.0f, f);
        EXPECT_EQ(-2.0, x);
    });
}

TEST(CArchive, TextLengthTakesOneThreeOrSevenBytes) {
    struct Case {
        DWORD length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        const CString text(std::string(c.length, 'x').c_str());
        const Bytes bytes = Store([&](CArchive& ar) { ar << text << CString("工程"); });
        const Bytes expected = Concat({c.prefix, Bytes(c.length, 'x'), {4, 0xB9, 0xA4, 0xB3, 0xCC}});
        EXPECT_EQ(expected, bytes) << c.length;
        Load(bytes, [&](CArchive& ar) {
            CString first, second;
            ar >> first >> second;
            EXPECT_EQ(text, first) << c.length;
            EXPECT_EQ(CString("工程"), second);
        });
    }
}

TEST(CArchive, CountTakesTwoOrSixBytes) {
    struct Case {
        DWORD count;
        Bytes bytes;
    };
    const Case cases[] = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x12345678, {0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.bytes, Store([&](CArchive& ar) { ar.WriteCount(c.count); })) << c.count;
        Load(c.bytes, [&](CArchive& ar) { EXPECT_EQ(c.count, ar.ReadCount()); });
    }
}

TEST(CArchive, ObjectsAreTaggedByClassOnceAndNumberedInOrder) {
    ArchParam first, second;
    first.name = "IN";
    first.value = 1;
    second.name = "OUT";
    second.value = 2;
    const Bytes bytes = Store([&](CArchive& ar) {
        ar << &first << &second << &first << static_cast<CObject*>(nullptr) << &second;
    });
    // Class 1, objects 2 and 3.
    const Bytes expected = Concat({Header("ArchParam"), {2, 'I', 'N', 1, 0, 0, 0},
                                   {0x01, 0x80, 3, 'O', 'U', 'T', 2, 0, 0, 0},
                                   {0x02, 0x00},
                                   {0x00, 0x00},
                                   {0x03, 0x00}});
    EXPECT_EQ(expected, bytes);

    Load(bytes, [](CArchive& ar) {
        CObject* objects[5];
        for (CObject*& object : objects)
            ar >> object;
        std::unique_ptr<CObject> own1(objects[0]), own2(objects[1]);
        ASSERT_TRUE(objects[0]->IsKindOf(RUNTIME_CLASS(ArchParam)));
        const ArchParam* loaded = static_cast<ArchParam*>(objects[1]);
        EXPECT_EQ(CString("OUT"), loaded->name);
        EXPECT_EQ(2, loaded->value);
        EXPECT_EQ(objects[0], objects[2]);
        EXPECT_EQ(nullptr, objects[3]);
        EXPECT_EQ(objects[1], objects[4]);
    });
}

TEST(CArchive, SerialClassReadOperatorChecksTheClass) {
    ArchParam param;
    const Bytes bytes = Store([&](CArchive& ar) { ar << &param; });
    Load(bytes, [](CArchive& ar) {
        ArchParam* loaded = nullptr;
        ar >> loaded;
        std::unique_ptr<ArchParam> own(loaded);
        EXPECT_NE(nullptr, loaded);
    });
    EXPECT_EQ(CArchiveException::badClass,
              LoadFailure(bytes, [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(ArchDot)); }));
}

TEST(CArchive, NestedObjectsShareTheNumbering) {
    ArchParam param;
    ArchLink link;
    link.target = &param;
    ArchLink self;
    self.target = &self;
    const Bytes bytes = Store([&](CArchive& ar) { ar << &link << &param << &self; });
    // ArchLink class 1, link 2, ArchParam class 3, param 4; self: class tag 1, object 5.
    const Bytes expected = Concat({Header("ArchLink"), Header("ArchParam"), {0, 0, 0, 0, 0},
                                   {0x04, 0x00}, {0x01, 0x80}, {0x05, 0x00}});
    EXPECT_EQ(expected, bytes);

    Load(bytes, [](CArchive& ar) {
        CObject* link = ar.ReadObject(RUNTIME_CLASS(ArchLink));
        CObject* param = ar.ReadObject(RUNTIME_CLASS(ArchParam));
        CObject* self = ar.ReadObject(nullptr);
        EXPECT_EQ(param, static_cast<ArchLink*>(link)->target);
        EXPECT_EQ(self, static_cast<ArchLink*>(self)->target);
        delete link;
        delete param;
        delete self;
    });
}

TEST(CArchive, LargeNumbersUseTheBigTagForms) {
    // Class 1 and objects 2..0x7FFF fill the small numbers; the next class is 0x8000.
    std::vector<ArchDot> dots(0x7FFE);
    ArchParam late1, late2;
    const Bytes bytes = Store([&](CArchive& ar) {
        for (const ArchDot& dot : dots)
            ar << &dot;
        ar << &dots[0x7FFC] << &dots[0x7FFD] << &late1 << &late2;
    });
    const size_t dotsEnd = Header("ArchDot").size() + 2 * (0x7FFE - 1);
    const Bytes tail(bytes.begin() + dotsEnd, bytes.end());
    const Bytes expected = Concat({{0xFE, 0x7F},                          // object 0x7FFE
                                   {0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00},  // object 0x7FFF
                                   Header("ArchParam"), {0, 0, 0, 0, 0},  // class 0x8000
                                   {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80},  // its class tag
                                   {0, 0, 0, 0, 0}});
    EXPECT_EQ(expected, tail);

    Load(bytes, [&](CArchive& ar) {
        std::vector<std::unique_ptr<CObject>> loaded;
        for (size_t i = 0; i < dots.size(); ++i)
            loaded.emplace_back(ar.ReadObject(RUNTIME_CLASS(ArchDot)));
        EXPECT_EQ(loaded[0x7FFC].get(), ar.ReadObject(nullptr));
        EXPECT_EQ(loaded[0x7FFD].get(), ar.ReadObject(nullptr));
        std::unique_ptr<CObject> param1(ar.ReadObject(RUNTIME_CLASS(ArchParam)));
        std::unique_ptr<CObject> param2(ar.ReadObject(RUNTIME_CLASS(ArchParam)));
        EXPECT_NE(param1, param2);
        EXPECT_TRUE(param2->IsKindOf(RUNTIME_CLASS(ArchParam)));
    });
}

TEST(CArchive, DamagedStreamsThrowWithTheirCause) {
    const Bytes param = {2, 'I', 'N', 1, 0, 0, 0};
    const Bytes header = Header("ArchParam");
    const auto readObject = [](CArchive& ar) { delete ar.ReadObject(nullptr); };
    struct Case {
        const char* what;
        Bytes bytes;
        int cause;
    };
    const Case cases[] = {
        {"unknown class", Concat({Header("NoSuchClass"), param}), CArchiveException::badClass},
        {"wrong schema", Concat({Header("ArchParam", 2), param}), CArchiveException::badSchema},
        {"not creatable", Concat({Header("CObject", 0xFFFF), param}), CArchiveException::badClass},
        {"object number never given", {0x01, 0x00}, CArchiveException::badIndex},
        {"class number never given", {0x02, 0x80}, CArchiveException::badIndex},
        {"truncated tag", {0xFF}, CArchiveException::endOfFile},
        {"truncated class name", Bytes(header.begin(), header.end() - 1),
         CArchiveException::endOfFile},
        {"truncated fields", Concat({header, {2, 'I'}}), CArchiveException::endOfFile},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.cause, LoadFailure(c.bytes, readObject)) << c.what;

    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure({0xFF, 0x05, 0x00, 'a'}, [](CArchive& ar) {
        CString text;
        ar >> text;
    }));
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure({1, 2, 3}, [](CArchive& ar) {
        DWORD value;
        ar >> value;
    }));
    // A class number used as an object number is refused too.
    EXPECT_EQ(CArchiveException::badIndex,
              LoadFailure(Concat({header, param, {0x01, 0x00}}), [](CArchive& ar) {
                  delete ar.ReadObject(nullptr);
                  delete ar.ReadObject(nullptr);
              }));
}

TEST(CArchive, VersionableSchemaAcceptsOlderObjects) {
    ArchVersioned object;
    object.oldField = 0x1111;
    object.newField = 0x2222;
    const Bytes current = Store([&](CArchive& ar) { ar << &object; });
    EXPECT_EQ(Concat({Header("ArchVersioned", 2), {0x11, 0x11, 0x22, 0x22}}), current);

    const auto load = [](const Bytes& bytes, WORD expectedNew, UINT expectedSchema) {
        Load(bytes, [&](CArchive& ar) {
            EXPECT_EQ(static_cast<UINT>(-1), ar.GetObjectSchema());
            std::unique_ptr<CObject> loaded(ar.ReadObject(RUNTIME_CLASS(ArchVersioned)));
            const ArchVersioned* versioned = static_cast<ArchVersioned*>(loaded.get());
            EXPECT_EQ(0x1111, versioned->oldField);
            EXPECT_EQ(expectedNew, versioned->newField);
            EXPECT_EQ(expectedSchema, versioned->loadedSchema);
        });
    };
    load(current, 0x2222, 2);
    load(Concat({Header("ArchVersioned", 1), {0x11, 0x11}}), 0, 1);
    EXPECT_EQ(CArchiveException::badSchema,
              LoadFailure(Concat({Header("ArchVersioned", 3), {0x11, 0x11, 0x22, 0x22}}),
                          [](CArchive& ar) { delete ar.ReadObject(nullptr); }));
}

TEST(CArchive, TextLines) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar.WriteString("工程\r\n");
        ar.WriteString("\r\nsecond line is longer than the buffer\nlast");
    }, 16);
    EXPECT_EQ(Text("工程\r\n\r\nsecond line is longer than the buffer\nlast"), bytes);
    Load(bytes, [](CArchive& ar) {
        std::vector<CString> lines;
        CString line;
        while (ar.ReadString(line))
            lines.push_back(line);
        const std::vector<CString> expected = {"工程", "", "second line is longer than the buffer", "last"};
        EXPECT_EQ(expected, lines);
        EXPECT_TRUE(line.IsEmpty());
    }, 16);
}

TEST(CArchive, BufferReachesTheFileOnFlushAndCloseGivesBackUnreadBytes) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, 16);
        ar << static_cast<DWORD>(1) << static_cast<DWORD>(2);
        EXPECT_EQ(0u, file.GetLength());
        ar << static_cast<DWORD>(3) << static_cast<DWORD>(4) << static_cast<DWORD>(5);
        EXPECT_EQ(16u, file.GetLength());
        ar.Flush();
        EXPECT_EQ(20u, file.GetLength());
        ar << static_cast<BYTE>(6);
    }  // the destructor flushes too
    EXPECT_EQ(21u, file.GetLength());

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    DWORD value = 0;
    ar >> value;
    EXPECT_EQ(1u, value);
    ar.Close();
    EXPECT_EQ(4u, file.GetPosition());
    EXPECT_EQ(nullptr, ar.GetFile());
}

TEST(CArchive, DirectionIsEnforced) {
    CMemFile file;
    CArchive storing(&file, CArchive::store);
    EXPECT_TRUE(storing.IsStoring());
    EXPECT_FALSE(storing.IsLoading());
    EXPECT_EQ(&file, storing.GetFile());
    try {
        int value;
        storing >> value;
        ADD_FAILURE() << "read from a storing archive";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::writeOnly, e->m_cause);
        e->Delete();
    }
    storing.Abort();

    CArchive loading(&file, CArchive::load);
    EXPECT_TRUE(loading.IsLoading());
    try {
        loading << 1;
        ADD_FAILURE() << "write to a loading archive";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::readOnly, e->m_cause);
        e->Delete();
    }
}

TEST(CArchive, SerialClassesAreFoundByName) {
    EXPECT_EQ(RUNTIME_CLASS(ArchParam), CRuntimeClass::FromName("ArchParam"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("NoSuchClass"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CObject"));
    ArchParam param;
    EXPECT_TRUE(param.IsSerializable());
}
