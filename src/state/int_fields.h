// The integer fields of one game, in the order a saved game and `tenrali-play state` list them:
// SCALAR(name, initial value) and ARRAY(name, length, initial values...). GameState declares
// them from this list and intFields() names them from it.
//
// Included by state/game_state.h and state/game_state.cpp with SCALAR and ARRAY defined; no guard.
SCALAR(sceneTick, 0)  // the tick of the running scene
SCALAR(dayNumber, 1)
SCALAR(heart, 0)  // her heart points: always the sum of the four slot values
SCALAR(skill, 0)  // the hero's craft skill
SCALAR(money, 20)
SCALAR(contestStage, contest_stage::Title)
SCALAR(contestEntryState, contest_entry::Idle)
SCALAR(contestResult, contest_result::None)
SCALAR(harvestState, harvest::Closed)
SCALAR(accessoryMakeState, workshop::Closed.accessory)
SCALAR(seedMakeState, workshop::Closed.seed)
SCALAR(speciesMakeState, workshop::Closed.species)
SCALAR(giftState, gift::Closed)
SCALAR(giftChoice, kNoAccessory)
// What she wears, kind by kind: the heart value of the accessory, 0 for none.
SCALAR(hairSlotValue, 0)
SCALAR(braceletSlotValue, 0)
SCALAR(necklaceSlotValue, 0)
SCALAR(ringSlotValue, 0)
SCALAR(itemViewState, item_view::Closed)
SCALAR(shopState, shop::Closed)
SCALAR(seedShopState, shop::Closed)
SCALAR(sellIndex, kNoAccessory)
SCALAR(buySeedIndex, kSeedOffers)  // no row of the seed price list
SCALAR(chosenFruit, NoWeather)
SCALAR(chosenKind, 0)  // the accessory kind + 1, 0 for none
SCALAR(plantState, planting::Closed)
SCALAR(chosenPot, planting::kNoPot)
SCALAR(chosenSeed, 0)  // the constructor leaves it alone: 0 until the first planting dialogue
SCALAR(pot1Seed, NoWeather)
SCALAR(pot2Seed, NoWeather)
SCALAR(pot3Seed, NoWeather)
SCALAR(seedFruit, NoWeather)
SCALAR(speciesFruit, NoWeather)
SCALAR(pot1Growth, Planted)
SCALAR(pot2Growth, Planted)
SCALAR(pot3Growth, Planted)
ARRAY(seedCount, kWeatherKinds, 3, 0, 0, 0, 0, 0, 0, 0, 0)  // three normal seeds to start with
ARRAY(fruitCount, kWeatherKinds)
ARRAY(accessoryCount, kAccessories)
