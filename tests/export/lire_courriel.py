"""Reads the one message of a maildir the way a mail program would, and prints what the test checks as JSON.

Usage: lire_courriel.py MAILDIR IMAGE_OUT
The inline picture's decoded bytes are written to IMAGE_OUT.
"""
import email
import email.policy
import json
import mailbox
import sys


def main():
    boite = mailbox.Maildir(sys.argv[1], create=False)
    messages = [boite.get_bytes(cle) for cle in boite.keys()]
    if len(messages) != 1:
        print(json.dumps({"erreur": "%d messages" % len(messages)}))
        return 1
    message = email.message_from_bytes(messages[0], policy=email.policy.compat32)
    parties = []
    resultat = {
        "from": message.get("From", ""),
        "to": message.get("To", ""),
        "subject": message.get("Subject", ""),
        "date": message.get("Date", ""),
        "message_id": message.get("Message-ID", ""),
        "mime_version": message.get("MIME-Version", ""),
        "rcpt": message.get("X-RcptTo", ""),
        "mail_from": message.get("X-MailFrom", ""),
        "parties": parties,
    }
    for partie in message.walk():
        entree = {
            "type": partie.get_content_type(),
            "encodage": (partie.get("Content-Transfer-Encoding") or "").lower(),
            "charset": partie.get_param("charset") or "",
        }
        if partie.get_content_maintype() != "multipart":
            corps = partie.get_payload(decode=True) or b""
            if partie.get_content_type() == "image/jpeg":
                with open(sys.argv[2], "wb") as sortie:
                    sortie.write(corps)
                entree["content_id"] = partie.get("Content-ID", "")
                entree["disposition"] = partie.get_content_disposition() or ""
                entree["filename"] = partie.get_filename() or ""
                entree["name"] = partie.get_param("name") or ""
            else:
                entree["corps"] = corps.decode("latin-1")
        parties.append(entree)
    print(json.dumps(resultat))
    return 0


if __name__ == "__main__":
    sys.exit(main())
