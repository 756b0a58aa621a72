#pragma once
// Helpers shared by the tests.
