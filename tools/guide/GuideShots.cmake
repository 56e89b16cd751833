# guide-shots needs the desktop program's library, which is defined after
# this folder; the root folder runs this file once it has read everything.
if(TARGET kestrane_app_lib)
  add_executable(guide-shots ${CMAKE_CURRENT_LIST_DIR}/GuideShots.cpp)
  target_link_libraries(guide-shots PRIVATE kestrane_app_lib)
endif()

# guide-mail-server starts the fetch tests' Dovecot for the pictures of
# Fetch from Mailbox; it needs the tests' support library.
if(TARGET kestrane_test_support)
  add_executable(guide-mail-server ${CMAKE_CURRENT_LIST_DIR}/GuideMailServer.cpp)
  target_link_libraries(guide-mail-server PRIVATE kestrane_test_support)
  # guide-smtp-server: the sending tests' Postfix, for Send Orders to Judge.
  add_executable(guide-smtp-server ${CMAKE_CURRENT_LIST_DIR}/GuideSmtpServer.cpp)
  target_link_libraries(guide-smtp-server PRIVATE kestrane_test_support)
endif()
