#pragma once
// Resource ids of the dialogs only the tests show (test_dialogs.rc), apart from the program's.

#define IDD_TEST_SETTINGS 9000
#define IDC_TEST_FILE_NAME 9001
#define IDC_TEST_MAX_COUNT 9002
#define IDC_TEST_PART_OF_SPEECH 9003
#define IDC_TEST_TRANSCRIPTION 9004
#define IDC_TEST_AGES 9005
#define IDC_TEST_AGE_ADD 9006
#define IDC_TEST_AGE_REPLACE 9007
#define IDC_TEST_AGE_DELETE 9008
