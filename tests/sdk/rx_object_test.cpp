#include <gtest/gtest.h>

#include "platform/sdk/OdRxObject.h"

namespace rx_test {

class Animal : public OdRxObject {
  ODRX_DECLARE_MEMBERS(Animal);
};
class Dog : public Animal {
  ODRX_DECLARE_MEMBERS(Dog);
public:
  int barks = 0;
};
class Stone : public OdRxObject {
  ODRX_DECLARE_MEMBERS(Stone);
};

ODRX_NO_CONS_DEFINE_MEMBERS(Animal, OdRxObject)
ODRX_CONS_DEFINE_MEMBERS(Dog, Animal, u"DOG")
ODRX_CONS_DEFINE_MEMBERS(Stone, OdRxObject, u"STONE")

}  // namespace rx_test

namespace {
using namespace rx_test;

TEST(RxObject, CheckedCastAcceptsKindAndRefusesOthers) {
  OdRxObjectPtr dog = Dog::createObject();
  OdSmartPtr<Animal> animal(dog);
  EXPECT_TRUE(animal);
  OdRxObjectPtr stone = Stone::createObject();
  try {
    OdSmartPtr<Dog> bad(stone);
    ADD_FAILURE() << "a stone cast to a dog";
  } catch (const OdError& error) {
    EXPECT_EQ(error.code(), eNotThatKindOfClass);
    EXPECT_STREQ(error.what(), "Object of class Stone can't be cast to Dog.");
  }
  EXPECT_TRUE(Dog::desc()->isDerivedFrom(OdRxObject::desc()));
  EXPECT_FALSE(Stone::desc()->isDerivedFrom(Animal::desc()));
}

TEST(RxObject, RegisteringANameTwiceFailsWith313) {
  EXPECT_EQ(Dog::rxInit(), eOk);
  EXPECT_EQ(Dog::rxInit(), 313);
  EXPECT_EQ(odrxFindClass(u"Dog"), Dog::desc());
  OdRxObjectPtr made = odrxCreateObject(u"Dog");
  EXPECT_TRUE(made->isKindOf(Dog::desc()));
  Dog::rxUninit();
  EXPECT_EQ(odrxFindClass(u"Dog"), nullptr);
  EXPECT_THROW(odrxCreateObject(u"Dog"), OdError);
  EXPECT_THROW(Animal::createObject(), OdError);
}

}  // namespace
