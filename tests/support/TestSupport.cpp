// Anchor of the test support library; fakes and fixtures live beside it.
namespace tarvik::test {
void testSupportAnchor() {}
}  // namespace tarvik::test
