// The wizard's pages by their index in pgcRegistrationWizard, for the form,
// the settings objects whose rules differ by page, and whatever names a page
// without needing the form (the answers file).
#pragma once

// Page indexes of pgcRegistrationWizard.
enum TWizardPage {
    wpWelcome = 0,
    wpTerms = 1,
    wpSenderInfo = 2,
    wpSenderInfoCont = 3,
    wpCommSetting = 4,
    wpPickupDetails = 5,
    wpInternetDetails = 6,
    wpFTPSetting = 7,
    wpEmailSetting = 8,
    wpApplSecurity = 9,
    wpSummary = 10,
    wpSiteRegistration = 11,
    wpRegistrationCompleted = 12,
};

// The way the user leaves a page: Next or Back.
enum TPageDirection { pdNext, pdBack };
