#include "framework/Core.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {
class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
public:
    int m_radius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CSquare : public CShape
{
    DECLARE_SERIAL(CSquare)
};
IMPLEMENT_SERIAL(CSquare, CShape, VERSIONABLE_SCHEMA | 3)

// A template over its base class, as window classes are extended by toolkit templates.
template <class BASE>
class CTagged : public BASE
{
    DECLARE_DYNCREATE(CTagged)
public:
    int m_tag = 42;
};
IMPLEMENT_DYNCREATE_T(CTagged, BASE, BASE)

template <class BASE>
class CPlainLayer : public BASE
{
    DECLARE_DYNAMIC(CPlainLayer)
};
IMPLEMENT_DYNAMIC_T(CPlainLayer, BASE, BASE)

template <class BASE>
class CStoredLayer : public BASE
{
    DECLARE_SERIAL(CStoredLayer)
};
IMPLEMENT_SERIAL_T(CStoredLayer, BASE, BASE, VERSIONABLE_SCHEMA | 2)

class CTaggedCircle : public CTagged<CCircle>
{
    DECLARE_DYNAMIC(CTaggedCircle)
};
IMPLEMENT_DYNAMIC(CTaggedCircle, CTagged<CCircle>)

// For each of CObject, CShape, CCircle, CSquare, CTagged<CCircle> and CTagged<CSquare>, in that
// order: '1' where the object is of that kind, '0' where it is not.
std::string Kinds(const CObject* object)
{
    std::string kinds;
    for (CRuntimeClass* pClass :
         {RUNTIME_CLASS(CObject), RUNTIME_CLASS(CShape), RUNTIME_CLASS(CCircle), RUNTIME_CLASS(CSquare),
          RUNTIME_CLASS(CTagged<CCircle>), RUNTIME_CLASS(CTagged<CSquare>)})
        kinds += object->IsKindOf(pClass) ? '1' : '0';
    return kinds;
}
} // namespace

TEST(CRuntimeClassTest, DerivationAndKind)
{
    CCircle circle;
    CSquare square;
    CTaggedCircle leaf;
    EXPECT_EQ("111000 110100 111010", Kinds(&circle) + " " + Kinds(&square) + " " + Kinds(&leaf));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(NULL, RUNTIME_CLASS(CObject)->GetBaseClass());
    EXPECT_TRUE(!circle.IsSerializable() && square.IsSerializable());
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CShape, &circle) == &circle && !DYNAMIC_DOWNCAST(CSquare, &circle)
                && !DYNAMIC_DOWNCAST(CSquare, (CObject*)NULL));
    EXPECT_EQ(&circle, STATIC_DOWNCAST(CCircle, (CShape*)&circle));
}

TEST(CRuntimeClassTest, ClassesAreFoundByTheirExactName)
{
    EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    EXPECT_EQ(RUNTIME_CLASS(CTaggedCircle), CRuntimeClass::FromName("CTaggedCircle"));
    EXPECT_TRUE(!CRuntimeClass::FromName("ccircle") && !CRuntimeClass::FromName("CNoSuchClass")
                && !CRuntimeClass::FromName(NULL));
}

TEST(CRuntimeClassTest, OnlyCreatableClassesMakeObjects)
{
    std::unique_ptr<CObject> created(RUNTIME_CLASS(CCircle)->CreateObject());
    EXPECT_EQ(RUNTIME_CLASS(CCircle), created->GetRuntimeClass());
    EXPECT_EQ(7, ((CCircle*)created.get())->m_radius);
    EXPECT_EQ(NULL, RUNTIME_CLASS(CShape)->CreateObject());
}

TEST(CRuntimeClassTest, ARecordEntersTheListOnce)
{
    CRuntimeClassRegistration again(RUNTIME_CLASS(CCircle));
    CRuntimeClassRegistration head(CRuntimeClass::GetFirstClass());
    int count = 0, total = 0;
    for (CRuntimeClass* p = CRuntimeClass::GetFirstClass(); p && total < 100000; p = p->m_pNextClass, ++total)
        count += p == RUNTIME_CLASS(CCircle);
    EXPECT_EQ(1, count);
    EXPECT_LT(total, 100000); // no loop
}

TEST(CRuntimeClassTest, ClassTemplatesHaveARecordPerInstance)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CTagged<CCircle>);
    EXPECT_STREQ("CTagged", pClass->m_lpszClassName);
    EXPECT_NE(pClass, RUNTIME_CLASS(CTagged<CSquare>));
    EXPECT_EQ(RUNTIME_CLASS(CCircle), pClass->GetBaseClass());
    EXPECT_EQ(RUNTIME_CLASS(CSquare), RUNTIME_CLASS(CTagged<CSquare>)->GetBaseClass());
    EXPECT_EQ(RUNTIME_CLASS(CShape), RUNTIME_CLASS(CPlainLayer<CShape>)->GetBaseClass());
    std::unique_ptr<CObject> created(pClass->CreateObject());
    EXPECT_EQ(pClass, created->GetRuntimeClass());
    EXPECT_EQ(42, ((CTagged<CCircle>*)created.get())->m_tag);
    EXPECT_EQ(NULL, RUNTIME_CLASS(CPlainLayer<CShape>)->CreateObject());
    EXPECT_EQ(VERSIONABLE_SCHEMA | 2, RUNTIME_CLASS(CStoredLayer<CSquare>)->m_wSchema);
    std::unique_ptr<CObject> stored(RUNTIME_CLASS(CStoredLayer<CSquare>)->CreateObject());
    EXPECT_TRUE(stored->IsSerializable() && stored->IsKindOf(RUNTIME_CLASS(CSquare)));
}
