#include "fetch/network_address.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(NetworkAddress, KnowsAddressesOfThisMachineAndOfPrivateNetworks) {
    for (const char* host : {"10.1.2.3", "172.16.0.1", "172.31.255.255", "192.168.1.1", "169.254.0.9",
                             "127.0.0.2", "0.0.0.0", "[::1]", "[::]", "[fe80::1]", "[fd12:3456::1]",
                             "[fec0::1]", "[::ffff:10.0.0.1]", "localhost", "LOCALHOST"}) {
        EXPECT_TRUE(NamesPrivateNetworkHost(std::string("http://") + host + ":8080/a")) << host;
    }
    for (const char* host : {"8.8.8.8", "172.32.0.1", "192.169.0.1", "[2001:db8::1]", "[::ffff:8.8.8.8]",
                             "[fe00::1]", "example.com", "localhost.example"}) {
        EXPECT_FALSE(NamesPrivateNetworkHost(std::string("http://") + host + "/a")) << host;
    }
}

} // namespace
} // namespace quorvel
