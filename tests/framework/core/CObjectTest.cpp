#include "framework/Core.h"

#include <gtest/gtest.h>

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
} // namespace

TEST(CRuntimeClassTest, DerivationAndKind)
{
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(NULL, RUNTIME_CLASS(CObject)->GetBaseClass());
    EXPECT_FALSE(circle.IsSerializable());
    CSquare square;
    EXPECT_TRUE(square.IsSerializable());
    EXPECT_EQ(&circle, DYNAMIC_DOWNCAST(CShape, &circle));
    EXPECT_EQ(NULL, DYNAMIC_DOWNCAST(CSquare, &circle));
    EXPECT_EQ(NULL, DYNAMIC_DOWNCAST(CSquare, (CObject*)NULL));
    EXPECT_EQ(&circle, STATIC_DOWNCAST(CCircle, (CShape*)&circle));
}

TEST(CRuntimeClassTest, LookupByNameAndCreation)
{
    EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(NULL, CRuntimeClass::FromName("ccircle"));
    EXPECT_EQ(NULL, CRuntimeClass::FromName("CNoSuchClass"));
    EXPECT_EQ(NULL, CRuntimeClass::FromName(NULL));
    bool listed = false;
    for (CRuntimeClass* p = CRuntimeClass::GetFirstClass(); p; p = p->m_pNextClass)
        listed |= p == RUNTIME_CLASS(CSquare);
    EXPECT_TRUE(listed);

    CObject* created = CRuntimeClass::FromName("CCircle")->CreateObject();
    ASSERT_TRUE(created != NULL);
    EXPECT_EQ(RUNTIME_CLASS(CCircle), created->GetRuntimeClass());
    EXPECT_EQ(7, ((CCircle*)created)->m_radius);
    delete created;
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
    EXPECT_EQ(RUNTIME_CLASS(CCircle), pClass->GetBaseClass());
    EXPECT_NE(pClass, RUNTIME_CLASS(CTagged<CSquare>));
    EXPECT_EQ(RUNTIME_CLASS(CSquare), RUNTIME_CLASS(CTagged<CSquare>)->GetBaseClass());
    CObject* created = pClass->CreateObject();
    ASSERT_TRUE(created != NULL);
    EXPECT_EQ(pClass, created->GetRuntimeClass());
    EXPECT_EQ(42, ((CTagged<CCircle>*)created)->m_tag);
    delete created;

    EXPECT_EQ(NULL, RUNTIME_CLASS(CPlainLayer<CShape>)->CreateObject());
    EXPECT_EQ(RUNTIME_CLASS(CShape), RUNTIME_CLASS(CPlainLayer<CShape>)->GetBaseClass());
    EXPECT_EQ(VERSIONABLE_SCHEMA | 2, RUNTIME_CLASS(CStoredLayer<CSquare>)->m_wSchema);
    CObject* stored = RUNTIME_CLASS(CStoredLayer<CSquare>)->CreateObject();
    ASSERT_TRUE(stored != NULL);
    EXPECT_TRUE(stored->IsSerializable());
    EXPECT_TRUE(stored->IsKindOf(RUNTIME_CLASS(CSquare)));
    delete stored;

    CTaggedCircle leaf;
    EXPECT_TRUE(leaf.IsKindOf(RUNTIME_CLASS(CTagged<CCircle>)));
    EXPECT_TRUE(leaf.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_FALSE(leaf.IsKindOf(RUNTIME_CLASS(CTagged<CSquare>)));
    EXPECT_EQ(RUNTIME_CLASS(CTaggedCircle), CRuntimeClass::FromName("CTaggedCircle"));
}
