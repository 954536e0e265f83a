// Resource ids of the frame tests' own strings.
#pragma once
#define IDS_TEST_253     900  // 253 characters
#define IDS_TEST_254     901  // 254 characters
#define IDS_TEST_700     902  // 700 characters
#define IDS_TEST_SHORT   903  // "E&xit && close"
#define IDS_TEST_MISSING 999
